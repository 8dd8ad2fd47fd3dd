#include "app/TZQStarterBase.h"

#include "app/TSettings.h"
#include "app/TZQMainFm.h"
#include "keyboard/TDataMod.h"
#include "keyboard/TKeyboardLayoutAgent.h"

namespace zq {

TZQStarterBase::TZQStarterBase(StarterWindows& windows, TSettings& settings)
    : windows_(windows), settings_(settings) {
    ConnectEvents(CurrentProfile);
    ConnectEvents(TemplateProfile);
}

TZQStarterBase::~TZQStarterBase() = default;

void TZQStarterBase::ConnectEvents(TProfile& profile) {
    // Late bound: the implementation's LoadProfile and SaveProfile answer.
    profile.OnLoad = [this](TProfile& sender, const std::string& section) { LoadProfile(sender, section); };
    profile.OnSave = [this](TProfile& sender, const std::string& section) { SaveProfile(sender, section); };
    profile.OnSaveProgress = [this](TProfile& sender, const std::string& section) {
        SaveProgress(sender, section);
    };
}

TKeyboardLayoutAgent& TZQStarterBase::Agent() {
    if (!agent_) {
        agent_ = windows_.CreateAgent();
        agent_->Refresh();  // the layout list and the information lines
    }
    return *agent_;
}

void TZQStarterBase::StartMain(TProfile& profile) {
    OpenMainWindow(profile, false);
}

void TZQStarterBase::OpenMainWindow(TProfile& profile, bool withSettingsFont) {
    std::unique_ptr<MainWindowHandle> window = windows_.CreateMainWindow();
    window->Form().SetKeyboardAgent(&Agent());
    DataMod();  // the keyboard template store, made on first use
    profile.Load();
    window->Form().AttachProfile(profile);
    if (withSettingsFont) window->SetWindowFont(settings_.FontName, settings_.FontCharset);
    mainWindow_ = std::move(window);
    mainWindow_->Show();
    windows_.HideLogon();
}

}  // namespace zq
