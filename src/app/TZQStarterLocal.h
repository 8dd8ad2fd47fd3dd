#pragma once

#include <optional>

#include "app/TZQStarterBase.h"
#include "base/FileLock.h"
#include "profile/ProfileStore.h"

namespace zq {

// The starter over the profile file "zqc.ini" of the users' folder.
class TZQStarterLocal : public TZQStarterBase {
public:
    TZQStarterLocal(StarterWindows& windows, TSettings& settings);

    // Opens the main window in the font of the global settings.
    void StartMain(TProfile& profile) override;
    void LoadProfile(TProfile& profile, const std::string& section) override;
    void SaveProfile(TProfile& profile, const std::string& section) override;
    void SaveProgress(TProfile& profile, const std::string& section) override;

    // Opens the profile dialog on the profile to make a new user of it;
    // true when the user applied it.
    bool EditNewProfile(TProfile& profile);

    // Keeps the user (in place of any kept before) for this run, so that no
    // other run of the program logs them on until this one ends: one user's
    // practice is stored by one run at a time, and none is lost to another
    // run closing later. False when another run has them.
    bool ReserveUser(const std::string& name);

    const ProfileStore& Store() const { return store_; }

private:
    ProfileStore store_;
    std::optional<FileLock> reservedUser_;
};

}  // namespace zq
