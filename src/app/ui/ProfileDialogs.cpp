#include "app/ui/ProfileDialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "base/Translation.h"

namespace zq {
namespace {

// Until the profile dialog joins the program: says so and changes nothing.
class PendingProfileDialog : public ProfileDialog {
public:
    void SetAgent(TKeyboardLayoutAgent*) override {}
    void SetCourseList(const std::vector<std::string>&) override {}
    void SetWindowFont(const std::string&, std::int32_t) override {}
    bool ExecuteEdit(TProfile&) override { return Unavailable(); }
    bool ExecuteNewUser(TProfile&) override { return Unavailable(); }

private:
    static bool Unavailable() {
        QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(),
                                 QStringLiteral("The profile dialog is not part of this build yet."));
        return false;
    }
};

}  // namespace

std::unique_ptr<ProfileDialog> ProfileDialogs::CreateProfileDialog() {
    return std::make_unique<PendingProfileDialog>();
}

}  // namespace zq
