// Profile files ("zqc.ini") and settings files ("zq.ini") as a user may have
// edited them: every user listed is found again; a user whose values read
// is stored and reads back the same, the other users still listed; a value
// that does not read is refused with a message naming its key, and stores
// nothing; the settings read, store and read back the same.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "app/TSettings.h"
#include "base/LibraryError.h"
#include "profile/ProfileStore.h"
#include "profile/TProfile.h"
#include "support/TempFolder.h"

namespace {

// The folder of this process, in a temporary folder (under $TMPDIR) that
// goes when the process ends.
const zq::test::TempFolder& Folder() {
    static const zq::test::TempFolder folder;
    return folder;
}

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void CheckProfiles(const std::string& path) {
    const zq::ProfileStore store(path);
    const std::vector<std::string> users = store.UserNames();
    for (const std::string& user : users) {
        if (!store.HasUser(user)) __builtin_trap();  // listed but not found again
    }
    if (users.empty()) return;

    const std::string& user = users.front();
    zq::TProfile loaded;
    try {
        store.LoadSection(loaded, user);
    } catch (const zq::LibraryError& error) {
        // Refused: the message says which key of which file.
        if (std::string(error.what()).find(path) == std::string::npos) __builtin_trap();
        return;
    }
    store.StoreSection(loaded, user);
    zq::TProfile reread;
    store.LoadSection(reread, user);
    if (reread.SaveToStrings() != loaded.SaveToStrings()) __builtin_trap();  // stored is not what was read
    if (store.UserNames() != users) __builtin_trap();                        // a store changed the users
}

void CheckSettings(const std::string& folder) {
    zq::TSettings settings(folder);
    settings.Load();
    settings.Save();
    zq::TSettings reread(folder);
    reread.Load();
    if (reread.User != settings.User || reread.FontName != settings.FontName ||
        reread.FontCharset != settings.FontCharset || reread.ToRestoreLayout != settings.ToRestoreLayout)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string profiles = Folder().File("zqc.ini");
    WriteInput(profiles, data, size);
    CheckProfiles(profiles);
    WriteInput(Folder().File("zq.ini"), data, size);
    CheckSettings(Folder().Dir());
    return 0;
}
