#pragma once

#include "app/TZQStarterBase.h"
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

    // Opens the profile dialog on the profile to make a new user of it;
    // true when the user applied it.
    bool EditNewProfile(TProfile& profile);

    const ProfileStore& Store() const { return store_; }

private:
    ProfileStore store_;
};

}  // namespace zq
