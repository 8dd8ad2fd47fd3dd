#pragma once

#include <memory>

#include "app/MainFormViews.h"
#include "app/TZQStarterBase.h"

namespace zq {

class LogonWindow;
class ProfileDialogs;
class TSettings;

// The windows the profile starter opens: the main window, the profile
// dialog, and the keyboard layout agent of this desktop session.
class ProgramWindows : public StarterWindows {
public:
    ProgramWindows(LogonWindow& logon, TSettings& settings);
    ~ProgramWindows() override;

    std::unique_ptr<MainWindowHandle> CreateMainWindow() override;
    std::unique_ptr<TKeyboardLayoutAgent> CreateAgent() override;
    void HideLogon() override;
    std::unique_ptr<ProfileEditor> CreateProfileEditor() override;

private:
    LogonWindow& logon_;
    TSettings& settings_;
    std::unique_ptr<ProfileDialogs> profileDialogs_;
    std::unique_ptr<GameHostFactory> games_;
};

}  // namespace zq
