#include "profile/ProfileStore.h"

#include <system_error>

#include <algorithm>

#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/IniFile.h"
#include "base/Translation.h"

namespace zq {
namespace {

// The bytes of the lock file: the first for changes of the profile file, one
// for each user logged on, found from the name. A name's byte must be the
// same in every build of the program, so it comes from a hash with a fixed
// definition (64-bit FNV-1a); two names that share a byte are one in 2^62.
constexpr std::int64_t kChangeByte = 0;

std::int64_t UserByte(const std::string& user) {
    std::uint64_t hash = 14695981039346656037u;
    for (const char ch : AsciiLower(user)) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 1099511628211u;
    }
    return 1 + static_cast<std::int64_t>(hash >> 2);
}

}  // namespace

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)) {}

std::vector<std::string> ProfileStore::UserNames() const {
    return IniFile(path_).SectionNames();
}

std::vector<ProfileStore::RepeatedUser> ProfileStore::RepeatedUsers() const {
    std::vector<RepeatedUser> users;
    for (IniFile::RepeatedSection& repeat : IniFile(path_).RepeatedSections())
        users.push_back({std::move(repeat.name), repeat.line, std::move(repeat.firstName), repeat.firstLine});
    return users;
}

std::string ProfileStore::WhyUnreadable() const {
    const int error = IniFile(path_).ReadError();
    return error != 0 ? std::generic_category().message(error) : std::string();
}

bool ProfileStore::HasUser(const std::string& name) const {
    return IniFile(path_).SectionExists(name);
}

void ProfileStore::LoadSection(TProfile& profile, const std::string& section) const {
    try {
        profile.LoadFromStrings(IniFile(path_).ReadSection(section, TProfile::Utf8Keys()));
    } catch (const InvalidProfileValue& error) {
        // Where the value stands, so that it can be put right. A control
        // character in a damaged user name (a zero byte would end the
        // message there) is shown as "?".
        std::string user = ToUtf8(section);
        std::replace_if(
            user.begin(), user.end(), [](unsigned char c) { return c < 0x20; }, '?');
        throw LibraryError(
            std::string(error.what()) + "\n\n" +
            Format(Tr("The key %s of the user %s in the profile file %s has this value. Correct "
                      "it in that file, or remove its line to use the default."),
                   {error.Key(), user, path_}));
    }
}

void ProfileStore::StoreSection(const TProfile& profile, const std::string& section) const {
    StoreLines(profile.SaveToStrings(), section);
}

void ProfileStore::StoreProgress(const TProfile& profile, const std::string& section) const {
    StoreLines(profile.ProgressToStrings(), section);
}

void ProfileStore::StoreLines(const std::vector<std::string>& lines, const std::string& section) const {
    IniFile::KeyValues values;
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        const bool utf8 = std::ranges::any_of(TProfile::Utf8Keys(), [&key](std::string_view name) {
            return EqualsIgnoringAsciiCase(name, key);
        });
        values.push_back({std::move(key), line.substr(equals + 1), utf8});
    }
    Change([&](IniFile& ini) { ini.WriteValues(section, values); });
}

void ProfileStore::EraseSection(const std::string& section) const {
    Change([&](IniFile& ini) { ini.EraseSection(section); });
}

// The file is read under the lock: what another program stored a moment
// ago is part of what is written back.
void ProfileStore::Change(const std::function<void(IniFile&)>& change) const {
    const FileLock lock(LockPath(), kChangeByte, FileLock::Wait::UntilFree);
    IniFile ini(path_);
    change(ini);
}

FileLock ProfileStore::LockUser(const std::string& user) const {
    return FileLock(LockPath(), UserByte(user), FileLock::Wait::No);
}

void ProfileStore::Attach(TProfile& profile) const {
    profile.OnLoad = [store = *this](TProfile& sender, const std::string& section) {
        store.LoadSection(sender, section);
    };
    profile.OnSave = [store = *this](TProfile& sender, const std::string& section) {
        store.StoreSection(sender, section);
    };
    profile.OnSaveProgress = [store = *this](TProfile& sender, const std::string& section) {
        store.StoreProgress(sender, section);
    };
}

}  // namespace zq
