#include "profile/ProfileDialog.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/FileLock.h"
#include "base/Translation.h"
#include "course/CourseList.h"
#include "profile/EasyReading.h"
#include "profile/PracticeTime.h"
#include "profile/UserNameLength.h"

namespace zq {
namespace {

bool IsSpaceOrControl(char ch) {
    return static_cast<unsigned char>(ch) <= ' ';
}

}  // namespace

ProfileDialog::ProfileDialog(ProfileDialogView& view, ProfileStore store)
    : view_(view), store_(std::move(store)) {}

std::string ProfileDialog::TrimmedName(std::string_view text8) {
    while (!text8.empty() && IsSpaceOrControl(text8.front())) text8.remove_prefix(1);
    while (!text8.empty() && IsSpaceOrControl(text8.back())) text8.remove_suffix(1);
    return std::string(text8);
}

void ProfileDialog::SetCourses(const ProgramPaths& paths) {
    paths_ = paths;
    courseNames_ = CourseNames(paths);
    ShowCourseList();
}

void ProfileDialog::ShowCourseList() {
    std::vector<std::string> entries = courseNames_;
    entries.emplace_back(Tr("New course for a keyboard layout..."));
    view_.ShowCourseList(entries);
}

void ProfileDialog::StartNewUser(TProfile& profile) {
    view_.HideSaveAndErase();
    newUserMode_ = true;
    StartEdit(profile);
}

void ProfileDialog::StartEdit(TProfile& profile) {
    profile_ = &profile;
    userNames_ = store_.UserNames();
    ShowUserList();
    view_.SetUserText(profile.UserName);
    FillFromProfile(profile);
    // The game font is seen on the game background as it was when the dialog
    // opened.
    view_.SetGameExampleBackground(Colors(ColorBox::GameBackground).SelectedColor());
    if (agent_ != nullptr) {
        view_.SetLayoutInfo(agent_->InfoLines());
        view_.SetLayoutList(agent_->LayoutList());
        view_.SelectLayout(agent_->IndexOfLayout(profile.KeyboardLayout));
        view_.SetOriginalLayoutName(agent_->OriginalLayoutName());
    }
}

void ProfileDialog::FillFromProfile(const TProfile& profile) {
    view_.SetSwitch(ProfileSwitch::FullScreen, profile.FullScreen);
    ShowColor(ColorBox::Background, profile.BgColor);
    ShowColor(ColorBox::GameBackground, profile.GameBgColor);
    view_.SetSwitch(ProfileSwitch::FunSpeed, profile.FunSpeed);
    ShowCourse(profile.Course);
    view_.SetProgressText(std::to_string(profile.Progress));
    view_.SetTimeText(PracticeTimeText(profile.TimeTotal));
    ShowFont(ExampleFont::Line, profile.PracticeFont);
    ShowFont(ExampleFont::Paragraph, profile.TextFont);
    ShowFont(ExampleFont::Game, profile.GameFont);
    view_.SetSwitch(ProfileSwitch::HighLight, profile.HighLight);
    view_.SetSwitch(ProfileSwitch::Blinking, profile.Blinking);
    view_.SetSwitch(ProfileSwitch::GameSoundEnabled, profile.GameSoundEnabled);
    view_.SetSwitch(ProfileSwitch::DrillSoundEnabled, profile.DrillSoundEnabled);
    view_.SetSwitch(ProfileSwitch::PopupAtEnd, profile.PopupAtEnd);
    view_.SetSwitch(ProfileSwitch::ShowModifiers, profile.ShowModifiers);
    view_.SetNumber(ProfileNumber::TargetSpeed, profile.TargetSpeed);
    view_.SetNumber(ProfileNumber::DailyGoal, profile.DailyGoal);
    view_.SetSwitch(ProfileSwitch::Speak, profile.Speak);
    view_.SetNumber(ProfileNumber::SpeechRate, profile.SpeechRate);
    view_.SetSwitch(ProfileSwitch::EasyReading, profile.EasyReading);
    ActivateProfileLayout(profile.KeyboardLayout);
}

// A course the profile names that is not among the courses there are stays
// the profile's unless the learner chooses another; the box says it is
// missing.
void ProfileDialog::ShowCourse(const std::string& course) {
    shownCourse_ = course;
    const auto found = std::ranges::find(courseNames_, course);
    if (found != courseNames_.end()) {
        view_.SelectCourse(static_cast<int>(found - courseNames_.begin()), {});
        return;
    }
    view_.SelectCourse(-1, course.empty() ? std::string() : Format(Tr("%s (missing)"), {course}));
}

std::string ProfileDialog::ChosenCourse(const TProfile& readInto) const {
    const int selected = view_.SelectedCourse();
    if (selected >= 0 && static_cast<size_t>(selected) < courseNames_.size())
        return courseNames_[static_cast<size_t>(selected)];
    return profile_ != nullptr ? profile_->Course : readInto.Course;
}

void ProfileDialog::CoursePicked(int index) {
    if (paths_ && static_cast<size_t>(index) == courseNames_.size()) {
        MakeNewCourse();
        return;
    }
    if (profile_ == nullptr || index < 0 || static_cast<size_t>(index) >= courseNames_.size()) return;
    const std::string& course = courseNames_[static_cast<size_t>(index)];
    const std::string left = std::exchange(shownCourse_, course);
    view_.SetProgressText(std::to_string(profile_->LineReachedIn(course)));
    SelectCourseLayout(course, left);
}

// A made course names the layout it teaches: the profile is to activate it.
// A course that names none teaches its language on the learner's own
// keyboard: where the course left had its layout selected, the learner's
// comes back (the profile's, else the desktop's); a layout the learner chose
// by hand stays.
void ProfileDialog::SelectCourseLayout(const std::string& course, const std::string& left) {
    if (agent_ == nullptr || !paths_) return;
    if (const std::string layout = FindCourse(*paths_, course).Layout(); !layout.empty()) {
        const std::int32_t index = agent_->IndexOfLayout(layout);
        if (index >= 0) view_.SelectLayout(index);
        return;
    }
    const std::string leftLayout = left.empty() ? std::string() : FindCourse(*paths_, left).Layout();
    if (leftLayout.empty()) return;
    const std::int32_t leftIndex = agent_->IndexOfLayout(leftLayout);
    if (leftIndex < 0 || view_.SelectedLayout() != leftIndex) return;
    std::int32_t own = agent_->IndexOfLayout(profile_->KeyboardLayout);
    if (own < 0 || own == leftIndex) own = agent_->OriginalLayoutIndex();
    if (own >= 0 && own != leftIndex) view_.SelectLayout(own);
}

void ProfileDialog::MakeNewCourse() {
    const std::optional<std::string> made = view_.MakeNewCourse(MadeCoursesFolder(*paths_), courseNames_);
    if (!made) {
        ShowCourse(shownCourse_);  // the box goes back to the course it showed
        return;
    }
    courseNames_ = CourseNames(*paths_);
    ShowCourseList();
    ShowCourse(*made);
    const auto found = std::ranges::find(courseNames_, *made);
    if (found != courseNames_.end()) CoursePicked(static_cast<int>(found - courseNames_.begin()));
}

void ProfileDialog::ActivateProfileLayout(const std::string& identifier) {
    if (agent_ == nullptr) return;
    if (!agent_->ActivateLayout(identifier)) {
        view_.PlainMessage(ToUtf8(identifier) + Tr(" layout could not be activated."));
        return;
    }
    TellLayoutNotice();
}

void ProfileDialog::TellLayoutNotice() {
    if (const std::string notice = agent_->TakeLayoutNotice(); !notice.empty()) {
        view_.InformationMessage(notice);
    }
}

void ProfileDialog::ReadIntoProfile(TProfile& profile, bool reset) {
    profile.FullScreen = view_.Switch(ProfileSwitch::FullScreen);
    profile.BgColor = Colors(ColorBox::Background).SelectedColor();
    profile.GameBgColor = Colors(ColorBox::GameBackground).SelectedColor();
    profile.FunSpeed = view_.Switch(ProfileSwitch::FunSpeed);
    // The line reached in the course left is kept for it.
    profile.ChangeCourse(ChosenCourse(profile));
    profile.SetPracticeFont(Font(ExampleFont::Line));
    profile.SetTextFont(Font(ExampleFont::Paragraph));
    profile.SetGameFont(Font(ExampleFont::Game));
    profile.HighLight = view_.Switch(ProfileSwitch::HighLight);
    profile.Blinking = view_.Switch(ProfileSwitch::Blinking);
    profile.GameSoundEnabled = view_.Switch(ProfileSwitch::GameSoundEnabled);
    profile.DrillSoundEnabled = view_.Switch(ProfileSwitch::DrillSoundEnabled);
    profile.PopupAtEnd = view_.Switch(ProfileSwitch::PopupAtEnd);
    profile.ShowModifiers = view_.Switch(ProfileSwitch::ShowModifiers);
    profile.TargetSpeed = view_.Number(ProfileNumber::TargetSpeed);
    profile.DailyGoal = view_.Number(ProfileNumber::DailyGoal);
    profile.Speak = view_.Switch(ProfileSwitch::Speak);
    profile.SpeechRate = view_.Number(ProfileNumber::SpeechRate);
    profile.EasyReading = view_.Switch(ProfileSwitch::EasyReading);
    if (agent_ != nullptr) profile.KeyboardLayout = ChosenLayout(profile);
    if (reset) {
        profile.Progress = 0;
        profile.TimeTotal = 0;
    }
}

// A layout that this computer does not have selects nothing in the list; the
// profile then keeps the layout it names, so that the other settings can
// still be applied and stored (the profile may come from another computer).
std::string ProfileDialog::ChosenLayout(const TProfile& readInto) const {
    const std::int32_t selected = view_.SelectedLayout();
    if (selected >= 0) return agent_->LayoutIdAt(selected);
    return profile_ != nullptr ? profile_->KeyboardLayout : readInto.KeyboardLayout;
}

void ProfileDialog::OkBnClick() {
    const std::string name = TrimmedName(view_.UserText());
    if (EqualsIgnoringAsciiCase(name, profile_->UserName)) {
        ReadIntoProfile(*profile_, false);
        profile_->Save();
        return;
    }
    // A blank name would make a nameless section, and an existing user's
    // section would lose that user's progress, time and scores.
    if (NewNameRefused(name)) return;
    if (store_.HasUser(name)) {
        view_.ErrorMessage(
            Format(Tr("There is already a user named %s. Please choose another name for the new user."),
                   {ToUtf8(name)}));
        return;
    }
    if (!view_.Confirm(Tr("Are you going to add a new user?"))) return;
    SaveAsNewUser(name);
}

bool ProfileDialog::NewNameRefused(const std::string& name) {
    if (name.empty()) {
        view_.PlainMessage(Tr("Please define a user name."));
        return true;
    }
    const std::string tooLong = TooLongUserNameMessage(name);
    if (!tooLong.empty()) view_.ErrorMessage(tooLong);
    return !tooLong.empty();
}

void ProfileDialog::SaveAsNewUser(const std::string& name) {
    try {
        TProfile newProfile;
        newProfile.OnSave = profile_->OnSave;
        ReadIntoProfile(newProfile, true);
        newProfile.SaveAs(name);
    } catch (const std::exception& error) {
        // The reason follows on a line of its own, so that a full disk or a
        // missing layout can be told apart.
        view_.PlainMessage(std::string(Tr("Save Profile fail.")) + "\n\n" + error.what());
        return;
    }
    userNames_ = store_.UserNames();
    ShowUserList();
    view_.SetUserText(name);
    view_.InformationMessage(Tr("Please restart the program to load the profile of new user."));
}

void ProfileDialog::BnApplyClick() {
    ReadIntoProfile(*profile_, false);
    if (newUserMode_) {
        const std::string name = TrimmedName(view_.UserText());
        if (NewNameRefused(name)) return;
        profile_->UserName = name;
    }
    view_.CloseDialog(true);
}

void ProfileDialog::EraseBnClick() {
    if (!view_.Confirm(Tr("You are going to erase the profile of selected user. Do you want to confirm?")))
        return;
    if (userNames_.size() <= 1) {
        view_.ErrorMessage(Tr("There should be at least one profile. Abort."));
        return;
    }
    const std::string name = view_.UserText();
    // The program stores the logged-on user's profile again when it ends, so
    // erasing it now would bring the user back without their history.
    if (EqualsIgnoringAsciiCase(TrimmedName(name), profile_->UserName)) {
        view_.ErrorMessage(Format(Tr("%s is logged on. Log on as another user to erase this profile."),
                                  {ToUtf8(profile_->UserName)}));
        return;
    }
    // A run that has the user logged on would store the profile again at
    // its end. Held while erasing, the user cannot log on meanwhile either.
    const FileLock user = store_.LockUser(TrimmedName(name));
    if (user.HeldElsewhere()) {
        view_.ErrorMessage(Format(Tr("%s is logged on in another window of the program. Erase the profile "
                                     "once that window has been closed."),
                                  {ToUtf8(TrimmedName(name))}));
        return;
    }
    store_.EraseSection(name);
    if (OnUserErased) OnUserErased(name);
    const auto erased = std::ranges::find_if(
        userNames_, [&name](const std::string& listed) { return EqualsIgnoringAsciiCase(listed, name); });
    if (erased != userNames_.end()) userNames_.erase(erased);
    ShowUserList();
    view_.SetUserText(userNames_.front());
}

void ProfileDialog::CancelBnClick() {
    view_.CloseDialog(false);
}

void ProfileDialog::BnApplyKbClick() {
    if (agent_ == nullptr) return;
    if (agent_->ActivateLayoutAt(view_.SelectedLayout())) {
        view_.PlainMessage(Tr("Selected layout is activated."));
        TellLayoutNotice();
    } else {
        view_.PlainMessage(Tr("Selected layout could not be activated."));
    }
}

void ProfileDialog::ChooseExampleFont(ExampleFont example) {
    if (const auto chosen = view_.ChooseFont(Font(example))) ShowFont(example, *chosen);
}

void ProfileDialog::EasyReadingClicked(bool on) {
    if (!on || !HasReadableFont(view_.FontFamilies())) return;
    constexpr ExampleFont kExamples[] = {ExampleFont::Line, ExampleFont::Paragraph, ExampleFont::Game};
    const bool allReadable = std::ranges::all_of(kExamples, [this](ExampleFont example) {
        return EqualsIgnoringAsciiCase(Font(example).Name, kReadableFontFamily);
    });
    if (allReadable) return;
    if (!view_.Confirm(Format(Tr("Show the drills and the game in the font %s, whose letters are made to "
                                 "be told apart easily?"),
                              {std::string(kReadableFontFamily)})))
        return;
    for (const ExampleFont example : kExamples) {
        TFontRecord font = Font(example);
        font.Name = std::string(kReadableFontFamily);
        ShowFont(example, font);
    }
}

void ProfileDialog::ColorPicked(ColorBox box, int index) {
    ColorList& colors = ColorsOf(box);
    if (!colors.OpensChooser(index)) {
        colors.SelectIndex(index);
        view_.ShowColors(box, colors);
        return;
    }
    if (const auto chosen = view_.ChooseColor(colors.SelectedColor())) colors.Select(*chosen);
    // Cancelled, the box goes back to the colour it had.
    view_.ShowColors(box, colors);
}

void ProfileDialog::ShowUserList() {
    view_.SetUserList(userNames_);
}

void ProfileDialog::ShowFont(ExampleFont example, const TFontRecord& font) {
    fonts_[static_cast<size_t>(example)] = font;
    view_.ShowExampleFont(example, font);
}

void ProfileDialog::ShowColor(ColorBox box, TColor color) {
    ColorsOf(box).Select(color);
    view_.ShowColors(box, Colors(box));
}

}  // namespace zq
