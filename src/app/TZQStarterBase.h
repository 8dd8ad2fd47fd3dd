#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/MainFormViews.h"
#include "profile/TProfile.h"

namespace zq {

class TKeyboardLayoutAgent;
class TSettings;
class TZQMainFm;

// The main window as the profile starter opens it.
class MainWindowHandle {
public:
    virtual ~MainWindowHandle() = default;
    virtual TZQMainFm& Form() = 0;
    virtual void SetWindowFont(const std::string& fontName8, std::int32_t charset) = 0;
    virtual void Show() = 0;
};

// What the starter asks of the toolkit.
class StarterWindows : public ProfileEditorFactory {
public:
    virtual std::unique_ptr<MainWindowHandle> CreateMainWindow() = 0;
    virtual std::unique_ptr<TKeyboardLayoutAgent> CreateAgent() = 0;
    virtual void HideLogon() = 0;
};

// Opens a user's run: owns the profile of the user who logs on, a working
// profile for a user being added, and the keyboard layout agent, and says
// how profiles are loaded and stored and how the main window is opened.
class TZQStarterBase {
public:
    // Both profiles load and store themselves through this starter.
    TZQStarterBase(StarterWindows& windows, TSettings& settings);
    virtual ~TZQStarterBase();
    TZQStarterBase(const TZQStarterBase&) = delete;
    TZQStarterBase& operator=(const TZQStarterBase&) = delete;

    // Opens the main window for the profile, loaded from the store. When the
    // profile cannot be loaded the error goes to the caller and no window
    // opens.
    virtual void StartMain(TProfile& profile);
    virtual void LoadProfile(TProfile& profile, const std::string& section) = 0;
    virtual void SaveProfile(TProfile& profile, const std::string& section) = 0;
    // Stores the line reached and the practice time alone, as each line of
    // practice ends.
    virtual void SaveProgress(TProfile& profile, const std::string& section) = 0;

    // The keyboard layout agent, made when it is first needed: reading the
    // system's layouts is no part of showing the logon dialog.
    TKeyboardLayoutAgent& Agent();
    // The main window once a user has logged on, else nothing.
    MainWindowHandle* MainWindow() { return mainWindow_.get(); }

    TProfile CurrentProfile;
    TProfile TemplateProfile;

protected:
    // The profile's Load, Save and SaveProgress reach LoadProfile,
    // SaveProfile and SaveProgress.
    void ConnectEvents(TProfile& profile);
    // StartMain's steps; `withSettingsFont` gives the main window the font
    // of the global settings.
    void OpenMainWindow(TProfile& profile, bool withSettingsFont);

    StarterWindows& windows_;
    TSettings& settings_;

private:
    std::unique_ptr<TKeyboardLayoutAgent> agent_;
    // Declared last: the window uses the profiles and the agent until it goes.
    std::unique_ptr<MainWindowHandle> mainWindow_;
};

}  // namespace zq
