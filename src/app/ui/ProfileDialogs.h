#pragma once

#include <utility>

#include "app/MainFormViews.h"
#include "profile/ProfileStore.h"

class QWidget;

namespace zq {

// Makes the profile dialogs of the logon dialog and the main window, over
// the profile file.
class ProfileDialogs : public ProfileEditorFactory {
public:
    explicit ProfileDialogs(ProfileStore store) : store_(std::move(store)) {}
    std::unique_ptr<ProfileEditor> CreateProfileEditor() override;

private:
    ProfileStore store_;
};

}  // namespace zq
