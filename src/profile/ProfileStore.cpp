#include "profile/ProfileStore.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "base/IniFile.h"

namespace zq {

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)) {}

std::vector<std::string> ProfileStore::UserNames() const {
    return IniFile(path_).SectionNames();
}

bool ProfileStore::HasUser(const std::string& name) const {
    return IniFile(path_).SectionExists(name);
}

void ProfileStore::LoadSection(TProfile& profile, const std::string& section) const {
    profile.LoadFromStrings(IniFile(path_).ReadSection(section, TProfile::Utf8Keys()));
}

void ProfileStore::StoreSection(const TProfile& profile, const std::string& section) const {
    IniFile::KeyValues values;
    for (const std::string& line : profile.SaveToStrings()) {
        const size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        const bool utf8 = std::ranges::any_of(TProfile::Utf8Keys(), [&key](std::string_view name) {
            return EqualsIgnoringAsciiCase(name, key);
        });
        values.push_back({std::move(key), line.substr(equals + 1), utf8});
    }
    IniFile(path_).WriteValues(section, values);
}

void ProfileStore::EraseSection(const std::string& section) const {
    IniFile(path_).EraseSection(section);
}

void ProfileStore::Attach(TProfile& profile) const {
    profile.OnLoad = [store = *this](TProfile& sender, const std::string& section) {
        store.LoadSection(sender, section);
    };
    profile.OnSave = [store = *this](TProfile& sender, const std::string& section) {
        store.StoreSection(sender, section);
    };
}

}  // namespace zq
