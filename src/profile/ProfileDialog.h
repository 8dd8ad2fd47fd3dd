#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/ProgramPaths.h"
#include "keyboard/TKeyboardLayoutAgent.h"
#include "profile/ColorList.h"
#include "profile/ProfileDialogView.h"
#include "profile/ProfileStore.h"
#include "profile/TProfile.h"

namespace zq {

// What the profile dialog decides: which controls show which field of a
// profile, what Save, Apply, Erase and "Activate layout" do, and what the
// font and colour choosers change. The window (ProfileDialogView) only shows
// what it is given and reports clicks.
//
// Nothing reaches the edited profile before Save or Apply. The colour boxes'
// lists and the three example fonts are kept here, so that a value a window
// cannot show (a font of size 0, a colour outside every list) comes back
// unchanged.
class ProfileDialog {
public:
    // `store` is the profile file: its users fill the user box, and Erase
    // removes a user from it.
    ProfileDialog(ProfileDialogView& view, ProfileStore store);

    // The keyboard layout agent (not owned); without one the "Keyboard" tab
    // stays empty and the profile keeps its layout.
    void SetAgent(TKeyboardLayoutAgent* agent) { agent_ = agent; }
    // The courses the learner may choose from: only those there are, the
    // program's and its users' (see CourseNames), and last "New course for a
    // keyboard layout...", which makes one in the users' folder.
    void SetCourses(const ProgramPaths& paths);

    // Fills the dialog from the profile (not owned; it must outlive the
    // dialog's run) before the window is shown modally.
    void StartEdit(TProfile& profile);
    // The same for a new user: Save and Erase are hidden, and Apply needs a
    // user name, which becomes the profile's.
    void StartNewUser(TProfile& profile);

    // Copies between the controls and a profile. FillFromProfile ends by
    // activating the profile's keyboard layout. When no layout is selected
    // (the profile names one this computer lacks), ReadIntoProfile gives the
    // profile the layout of the profile the dialog was opened on.
    void FillFromProfile(const TProfile& profile);
    void ReadIntoProfile(TProfile& profile, bool reset);

    // Buttons below the tabs.
    void OkBnClick();      // Save
    void EraseBnClick();   // Erase
    void BnApplyClick();   // Apply
    void CancelBnClick();  // Close
    // "Activate layout" on the "Keyboard" tab.
    void BnApplyKbClick();
    // The font buttons "Line", "Paragraph" and "Game".
    void SetFontBnClick() { ChooseExampleFont(ExampleFont::Line); }
    void ParagraphFontBnClick() { ChooseExampleFont(ExampleFont::Paragraph); }
    void GameFontBnClick() { ChooseExampleFont(ExampleFont::Game); }
    // The user picked (or typed the name of) the entry at `index` of a
    // colour box; "Custom..." opens the colour chooser.
    void ColorPicked(ColorBox box, int index);
    // The user chose the course at `index` of the course box: the progress
    // shown is the line reached in it, and the keyboard layout the course
    // was made for, when it names one, is selected on the "Keyboard" tab.
    // The last entry makes a new course and chooses it.
    void CoursePicked(int index);
    // The learner ticked or cleared Easy reading. Ticked, and the desktop
    // having the readable font (see EasyReading.h), the dialog asks whether
    // the three fonts are to be that one; their sizes and colours stay, as
    // Easy reading enlarges and colours them where they are shown.
    void EasyReadingClicked(bool on);

    // Told of a user erased from the profile file (their 8-bit name), to
    // erase what else the program keeps of them.
    std::function<void(const std::string& name8)> OnUserErased;

    bool NewUserMode() const { return newUserMode_; }
    TProfile* Profile() const { return profile_; }
    TKeyboardLayoutAgent* Agent() const { return agent_; }
    const ColorList& Colors(ColorBox box) const { return colors_[static_cast<size_t>(box)]; }
    const TFontRecord& Font(ExampleFont example) const { return fonts_[static_cast<size_t>(example)]; }
    const std::vector<std::string>& UserList() const { return userNames_; }

    // The user name of the user box: without the spaces and control
    // characters around it.
    static std::string TrimmedName(std::string_view text8);

private:
    // Whether a new user's name cannot be taken (none given, or too long),
    // after telling the learner why.
    bool NewNameRefused(const std::string& name);
    void SaveAsNewUser(const std::string& name);
    void ShowUserList();
    void ChooseExampleFont(ExampleFont example);
    void ShowFont(ExampleFont example, const TFontRecord& font);
    void ShowColor(ColorBox box, TColor color);
    ColorList& ColorsOf(ColorBox box) { return colors_[static_cast<size_t>(box)]; }
    void ShowCourseList();
    void ShowCourse(const std::string& course);
    void SelectCourseLayout(const std::string& course, const std::string& left);
    void MakeNewCourse();
    std::string ChosenCourse(const TProfile& readInto) const;
    void ActivateProfileLayout(const std::string& identifier);
    // Shows what the agent says about a layout it activated in its own way.
    void TellLayoutNotice();
    std::string ChosenLayout(const TProfile& readInto) const;

    ProfileDialogView& view_;
    ProfileStore store_;
    TKeyboardLayoutAgent* agent_ = nullptr;
    TProfile* profile_ = nullptr;
    bool newUserMode_ = false;
    std::vector<std::string> userNames_;
    std::optional<ProgramPaths> paths_;
    std::vector<std::string> courseNames_;
    // The course the box shows (before "New course..." was picked).
    std::string shownCourse_;
    std::array<ColorList, 2> colors_{ColorList(ColorList::Chooser::Without),
                                     ColorList(ColorList::Chooser::With)};
    std::array<TFontRecord, 3> fonts_;
};

}  // namespace zq
