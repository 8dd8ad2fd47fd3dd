#include "app/ui/ProgramWindows.h"

#include "app/TSettings.h"
#include "app/ui/GameWindows.h"
#include "app/ui/LogonWindow.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ProfileDialogs.h"
#include "keyboard/ui/LayoutBackendFactory.h"

namespace zq {

ProgramWindows::ProgramWindows(LogonWindow& logon, TSettings& settings)
    : logon_(logon),
      settings_(settings),
      profileDialogs_(
          std::make_unique<ProfileDialogs>(ProfileStore(settings.Paths().UsersFolder() + "zqc.ini"))),
      games_(std::make_unique<GameWindows>()) {}

ProgramWindows::~ProgramWindows() = default;

std::unique_ptr<MainWindowHandle> ProgramWindows::CreateMainWindow() {
    return std::make_unique<MainWindow>(settings_, *profileDialogs_, *games_,
                                        [this] { logon_.EndProgram(); });
}

std::unique_ptr<TKeyboardLayoutAgent> ProgramWindows::CreateAgent() {
    return CreateKeyboardLayoutAgent();
}

void ProgramWindows::HideLogon() {
    logon_.hide();
}

std::unique_ptr<ProfileEditor> ProgramWindows::CreateProfileEditor() {
    return profileDialogs_->CreateProfileEditor();
}

}  // namespace zq
