#include "app/TZQStarterLocal.h"

#include "app/TSettings.h"
#include "course/CourseList.h"

namespace zq {

TZQStarterLocal::TZQStarterLocal(StarterWindows& windows, TSettings& settings)
    : TZQStarterBase(windows, settings), store_(settings.Paths().UsersFolder() + "zqc.ini") {}

void TZQStarterLocal::StartMain(TProfile& profile) {
    OpenMainWindow(profile, true);
}

void TZQStarterLocal::LoadProfile(TProfile& profile, const std::string& section) {
    store_.LoadSection(profile, section);
}

void TZQStarterLocal::SaveProfile(TProfile& profile, const std::string& section) {
    store_.StoreSection(profile, section);
}

void TZQStarterLocal::SaveProgress(TProfile& profile, const std::string& section) {
    store_.StoreProgress(profile, section);
}

bool TZQStarterLocal::ReserveUser(const std::string& name) {
    reservedUser_.reset();  // a user chosen again is not refused by this run's own lock
    FileLock lock = store_.LockUser(name);
    if (lock.HeldElsewhere()) return false;
    reservedUser_ = std::move(lock);
    return true;
}

bool TZQStarterLocal::EditNewProfile(TProfile& profile) {
    std::unique_ptr<ProfileEditor> dialog = windows_.CreateProfileEditor();
    dialog->SetAgent(&Agent());
    ConnectEvents(profile);
    dialog->SetCourses(settings_.Paths());
    // The dialog keeps its own font here.
    return dialog->ExecuteNewUser(profile);
}

}  // namespace zq
