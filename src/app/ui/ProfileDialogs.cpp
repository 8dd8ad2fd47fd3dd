#include "app/ui/ProfileDialogs.h"

#include "profile/ui/TProfileFm.h"

namespace zq {
namespace {

// The profile dialog as the main window and the starter open it.
class ProfileWindow : public ProfileEditor {
public:
    explicit ProfileWindow(const ProfileStore& store) : dialog_(store) {}

    void SetAgent(TKeyboardLayoutAgent* agent) override { dialog_.SetAgent(agent); }
    void SetCourses(const ProgramPaths& paths) override { dialog_.SetCourses(paths); }
    void SetWindowFont(const std::string& fontName8, std::int32_t charset) override {
        dialog_.SetWindowFont(fontName8, charset);
    }
    bool ExecuteEdit(TProfile& profile) override { return dialog_.ExecuteEdit(profile) == QDialog::Accepted; }
    bool ExecuteNewUser(TProfile& profile) override {
        return dialog_.ExecuteNewUser(profile) == QDialog::Accepted;
    }
    void SetUserErasedHandler(std::function<void(const std::string& name8)> erased) override {
        dialog_.Logic().OnUserErased = std::move(erased);
    }

private:
    TProfileFm dialog_;
};

}  // namespace

std::unique_ptr<ProfileEditor> ProfileDialogs::CreateProfileEditor() {
    return std::make_unique<ProfileWindow>(store_);
}

}  // namespace zq
