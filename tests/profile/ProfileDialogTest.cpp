#include "profile/ProfileDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "../support/TempFolder.h"
#include "ProfileDialogFakes.h"
#include "base/FileLock.h"
#include "base/IniFile.h"
#include "base/LibraryError.h"

namespace zq {
namespace {

using test::FakeAgent;
using test::FakeProfileDialogView;
using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Message = FakeProfileDialogView::Message;

constexpr std::int32_t kHour = 3600000;

class ProfileDialogTest : public ::testing::Test {
protected:
    ProfileDialogTest() {
        store.Attach(anna);
        anna.UserName = "Anna";
        anna.Course = "English";
        anna.Progress = 12;
        anna.TimeTotal = 25 * kHour;
        anna.GScore1 = 500;
        anna.KeyboardLayout = "0000040C";
        anna.HighLight = true;
        anna.BgColor = clNavy;
        anna.GameBgColor = clBlack;
        anna.PracticeFont = {"DejaVu Sans Mono", 16, clBlack, true, false, false, false};
        anna.Save();
        TProfile bob;
        store.StoreSection(bob, "Bob");
        for (const char* course : {"English", "Deutsch"})
            std::filesystem::create_directories(folder / "Courses" / course);
        dialog.SetAgent(layouts.agent.get());
        dialog.SetCourses(ProgramPaths(folder.Dir()));
    }

    std::string AnnaSection() const { return SectionText("Anna"); }
    std::string SectionText(const std::string& user) const {
        std::string text;
        for (const std::string& line : IniFile(store.Path()).ReadSection(user)) text += line + "\n";
        return text;
    }

    TempFolder folder;
    ProfileStore store{folder.File("zqc.ini")};
    TProfile anna;
    FakeAgent layouts;
    FakeProfileDialogView view;
    ProfileDialog dialog{view, store};
};

TEST_F(ProfileDialogTest, OpeningShowsEveryFieldAndActivatesTheProfilesLayout) {
    dialog.StartEdit(anna);
    EXPECT_EQ(view.userText, "Anna");
    EXPECT_EQ(view.userList, (std::vector<std::string>{"Anna", "Bob"}));
    EXPECT_EQ(view.courseList,
              (std::vector<std::string>{"Deutsch", "English", "New course for a keyboard layout..."}));
    EXPECT_EQ(view.selectedCourse, 1);
    EXPECT_EQ(view.coursePlaceholder, "");
    EXPECT_EQ(view.progressText, "12");
    EXPECT_EQ(view.timeText, "25 h 0 m 0 s");
    EXPECT_TRUE(view.switches.at(ProfileSwitch::HighLight));
    EXPECT_FALSE(view.switches.at(ProfileSwitch::FullScreen));
    EXPECT_EQ(view.switches.size(), 10u);
    EXPECT_FALSE(view.switches.at(ProfileSwitch::EasyReading));
    EXPECT_FALSE(view.switches.at(ProfileSwitch::ShowModifiers));
    EXPECT_EQ(view.numbers.at(ProfileNumber::TargetSpeed), 150);
    EXPECT_EQ(view.numbers.at(ProfileNumber::DailyGoal), 10);
    EXPECT_FALSE(view.switches.at(ProfileSwitch::Speak));
    EXPECT_EQ(view.numbers.at(ProfileNumber::SpeechRate), 0);
    EXPECT_EQ(view.exampleFonts.at(ExampleFont::Line), anna.PracticeFont);
    EXPECT_EQ(view.exampleFonts.at(ExampleFont::Game), anna.GameFont);
    EXPECT_EQ(dialog.Colors(ColorBox::Background).SelectedColor(), clNavy);
    EXPECT_EQ(view.colorSelection.at(ColorBox::Background), view.ColorIndex(ColorBox::Background, "Navy"));
    EXPECT_EQ(view.gameExampleBackground, clBlack);
    EXPECT_EQ(view.layoutList,
              (std::vector<std::string>{"US - 00000409", "French - 0000040C", "German - 00000407"}));
    EXPECT_EQ(view.selectedLayout, 1);
    EXPECT_EQ(view.originalLayoutName, "US");
    EXPECT_EQ(view.layoutInfo.front(), "Loaded input locale identifiers:");
    EXPECT_THAT(layouts.system->activated, ElementsAre(0x40Cu));
    EXPECT_TRUE(view.messages.empty());
    EXPECT_FALSE(view.saveAndEraseHidden);
    EXPECT_FALSE(dialog.NewUserMode());
}

TEST_F(ProfileDialogTest, ApplyReadsTheControlsIntoTheProfileInOrderAndKeepsResultsAndName) {
    dialog.StartEdit(anna);
    view.userText = "Someone";
    view.selectedCourse = 0;  // Deutsch
    view.switches[ProfileSwitch::FullScreen] = true;
    view.switches[ProfileSwitch::PopupAtEnd] = true;
    view.switches[ProfileSwitch::HighLight] = false;
    view.switches[ProfileSwitch::ShowModifiers] = true;
    view.switches[ProfileSwitch::Speak] = true;
    view.numbers[ProfileNumber::SpeechRate] = 3;
    view.switches[ProfileSwitch::EasyReading] = true;
    view.selectedLayout = 2;
    view.numbers[ProfileNumber::TargetSpeed] = 240;
    view.numbers[ProfileNumber::DailyGoal] = 20;
    dialog.BnApplyClick();
    EXPECT_EQ(view.closedAccepted, true);
    EXPECT_TRUE(anna.ShowModifiers);
    EXPECT_EQ(anna.TargetSpeed, 240);
    EXPECT_EQ(anna.DailyGoal, 20);
    EXPECT_TRUE(anna.Speak);
    EXPECT_EQ(anna.SpeechRate, 3);
    EXPECT_TRUE(anna.EasyReading);
    EXPECT_EQ(anna.Course, "Deutsch");
    EXPECT_TRUE(anna.FullScreen);
    EXPECT_TRUE(anna.PopupAtEnd);
    EXPECT_FALSE(anna.HighLight);
    EXPECT_EQ(anna.KeyboardLayout, "00000407");
    EXPECT_EQ(anna.UserName, "Anna");
    EXPECT_EQ(anna.Progress, 0) << "the line reached in Deutsch, not yet practised";
    EXPECT_EQ(anna.LineReachedIn("English"), 12);
    EXPECT_EQ(anna.TimeTotal, 25 * kHour);
    EXPECT_EQ(anna.GScore1, 500);
    EXPECT_THAT(AnnaSection(), HasSubstr("Course=English\n")) << "Apply stores nothing";
}

// Only courses there are can be chosen; a course the profile names that has
// gone is said to be missing, and stays the profile's until another is
// chosen.
TEST_F(ProfileDialogTest, ACourseThatIsGoneIsShownMissingAndKeptUnlessAnotherIsChosen) {
    anna.Course = "Klingon";
    dialog.StartEdit(anna);
    EXPECT_EQ(view.selectedCourse, -1);
    EXPECT_EQ(view.coursePlaceholder, "Klingon (missing)");
    dialog.BnApplyClick();
    EXPECT_EQ(anna.Course, "Klingon");
    EXPECT_EQ(anna.Progress, 12);

    view.selectedCourse = 1;
    dialog.BnApplyClick();
    EXPECT_EQ(anna.Course, "English");
}

TEST_F(ProfileDialogTest, ChoosingACourseShowsTheLineReachedInIt) {
    anna.OtherCoursesProgress = {{"Deutsch", 40}};
    dialog.StartEdit(anna);
    dialog.CoursePicked(0);
    EXPECT_EQ(view.progressText, "40");
    dialog.CoursePicked(1);
    EXPECT_EQ(view.progressText, "12");
    view.selectedCourse = 0;
    dialog.BnApplyClick();
    EXPECT_EQ(anna.Course, "Deutsch");
    EXPECT_EQ(anna.Progress, 40);
    EXPECT_EQ(anna.OtherCoursesProgress, (std::map<std::string, std::int32_t>{{"English", 12}}));
}

// "New course for a keyboard layout..." makes a course among the users'
// courses, and the dialog chooses it with the keyboard layout it teaches.
TEST_F(ProfileDialogTest, ANewCourseIsMadeAndChosenWithItsKeyboardLayout) {
    dialog.StartEdit(anna);
    view.makeCourse = [this](const std::string& coursesFolder) -> std::optional<std::string> {
        std::filesystem::create_directories(coursesFolder + "/French (AZERTY)");
        folder.Write("Courses/French (AZERTY)/course.ini", "[Course]\nLanguage=fr\nLayout=fr\n");
        return "French (AZERTY)";
    };
    view.selectedCourse = 2;  // the box shows the entry picked
    dialog.CoursePicked(2);
    EXPECT_EQ(view.newCourseAskedIn, folder.Dir() + "Courses");
    EXPECT_EQ(view.newCourseTaken, (std::vector<std::string>{"Deutsch", "English"}));
    EXPECT_EQ(view.courseList, (std::vector<std::string>{"Deutsch", "English", "French (AZERTY)",
                                                         "New course for a keyboard layout..."}));
    EXPECT_EQ(view.selectedCourse, 2);
    EXPECT_EQ(view.progressText, "0");
    view.selectedLayout = 0;  // US
    dialog.CoursePicked(1);   // English names no layout: the one chosen stays
    EXPECT_EQ(view.selectedLayout, 0);
    dialog.CoursePicked(2);
    EXPECT_EQ(view.selectedLayout, 1) << "French, the layout the course was made for";

    dialog.BnApplyClick();
    EXPECT_EQ(anna.Course, "French (AZERTY)");
    EXPECT_EQ(anna.KeyboardLayout, "0000040C");
    EXPECT_EQ(anna.Progress, 0);
    EXPECT_EQ(anna.LineReachedIn("English"), 12);
}

// A course that names no layout teaches its language on the learner's own
// keyboard: leaving for it a course whose layout the dialog selected brings
// back the learner's layout (the profile's, else the desktop's) rather than
// keeping the course's.
TEST_F(ProfileDialogTest, ACourseWithoutALayoutBringsBackTheLearnersOwnAfterACourseWithOne) {
    std::filesystem::create_directories(folder / "Courses/Tastatur DE");
    folder.Write("Courses/Tastatur DE/course.ini", "[Course]\nLanguage=de\nLayout=de\n");
    dialog.SetCourses(ProgramPaths(folder.Dir()));
    constexpr int kUs = 0, kFrench = 1, kGerman = 2;
    constexpr int kEnglish = 1, kMadeCourse = 2;
    dialog.StartEdit(anna);  // her own layout: French
    dialog.CoursePicked(kMadeCourse);
    EXPECT_EQ(view.selectedLayout, kGerman);
    dialog.CoursePicked(kEnglish);
    EXPECT_EQ(view.selectedLayout, kFrench) << "the profile's own";
    dialog.CoursePicked(kMadeCourse);
    view.selectedCourse = kMadeCourse;
    dialog.BnApplyClick();
    EXPECT_EQ(anna.KeyboardLayout, "00000407");

    // The profile now holds the course's layout: the desktop's comes back.
    dialog.StartEdit(anna);
    EXPECT_EQ(view.selectedLayout, kGerman);
    dialog.CoursePicked(kEnglish);
    EXPECT_EQ(view.selectedLayout, kUs) << "the desktop's layout when the program started";

    // A layout the learner chose by hand stays.
    dialog.CoursePicked(kMadeCourse);
    view.selectedLayout = kFrench;
    dialog.CoursePicked(kEnglish);
    EXPECT_EQ(view.selectedLayout, kFrench);
}

TEST_F(ProfileDialogTest, ACancelledNewCourseLeavesTheCourseBoxAsItWas) {
    dialog.StartEdit(anna);
    dialog.CoursePicked(0);  // Deutsch
    view.selectedCourse = 2;
    dialog.CoursePicked(2);  // New course..., then Cancel
    EXPECT_EQ(view.selectedCourse, 0);
    EXPECT_EQ(view.courseList.size(), 3u);
    dialog.BnApplyClick();
    EXPECT_EQ(anna.Course, "Deutsch");
}

TEST_F(ProfileDialogTest, CloseReadsNothingBack) {
    dialog.StartEdit(anna);
    view.selectedCourse = 0;  // Deutsch
    view.switches[ProfileSwitch::FullScreen] = true;
    dialog.CancelBnClick();
    EXPECT_EQ(view.closedAccepted, false);
    EXPECT_EQ(anna.Course, "English");
    EXPECT_FALSE(anna.FullScreen);
}

TEST_F(ProfileDialogTest, SaveWithTheNameInOtherLetterCaseStoresTheCurrentProfile) {
    dialog.StartEdit(anna);
    view.userText = "aNNA";
    view.selectedCourse = 0;  // Deutsch
    dialog.OkBnClick();
    EXPECT_TRUE(view.messages.empty()) << "no question about a new user";
    EXPECT_FALSE(view.closedAccepted.has_value()) << "the dialog stays open";
    EXPECT_EQ(anna.UserName, "Anna");
    EXPECT_EQ(anna.Course, "Deutsch");
    EXPECT_THAT(AnnaSection(), HasSubstr("Course=Deutsch\n"));
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Anna", "Bob"}));
}

TEST_F(ProfileDialogTest, SaveUnderANewNameAddsAUserWithTheDialogsSettingsAndNoResults) {
    dialog.StartEdit(anna);
    const std::string annaBefore = AnnaSection();
    view.userText = "Carla";
    view.selectedCourse = 0;  // Deutsch
    view.switches[ProfileSwitch::FullScreen] = true;
    dialog.OkBnClick();

    EXPECT_THAT(
        view.messages,
        ElementsAre(Message{"confirm", "Are you going to add a new user?"},
                    Message{"information", "Please restart the program to load the profile of new user."}));
    EXPECT_FALSE(view.closedAccepted.has_value());
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Anna", "Bob", "Carla"}));
    EXPECT_EQ(view.userList, store.UserNames());
    const IniFile file(store.Path());
    EXPECT_EQ(file.ReadString("Carla", "Course", ""), "Deutsch");
    EXPECT_EQ(file.ReadString("Carla", "FullScreen", ""), "1");
    EXPECT_EQ(file.ReadString("Carla", "KeyboardLayout", ""), "0000040C");
    EXPECT_EQ(file.ReadString("Carla", "PracticeFontName", ""), "DejaVu Sans Mono");
    for (const char* key : {"Progress", "TimeTotal", "GScore1", "GScore5", "GameEnabled"})
        EXPECT_EQ(file.ReadString("Carla", key, "?"), "0") << key;
    EXPECT_EQ(file.ReadString("Carla", "HelpFile", "?"), "");

    EXPECT_EQ(AnnaSection(), annaBefore);
    EXPECT_EQ(anna.UserName, "Anna");
    EXPECT_EQ(anna.Course, "English");
    EXPECT_FALSE(anna.FullScreen);
    EXPECT_EQ(anna.Progress, 12);
}

TEST_F(ProfileDialogTest, AnsweringNoToTheNewUserQuestionStoresNothing) {
    dialog.StartEdit(anna);
    const std::string before = folder.Read("zqc.ini");
    view.userText = "Carla";
    view.confirmAnswers = {false};
    dialog.OkBnClick();
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(folder.Read("zqc.ini"), before);
}

TEST_F(ProfileDialogTest, SaveNeverOverwritesAnotherUserOrMakesANamelessOne) {
    dialog.StartEdit(anna);
    anna.TimeTotal = 0;
    store.StoreSection(anna, "Bob");  // Bob has results of his own
    IniFile(store.Path()).WriteInteger("Bob", "TimeTotal", 7 * kHour);
    const std::string before = folder.Read("zqc.ini");

    view.userText = "BOB";
    dialog.OkBnClick();
    view.userText = " \t";
    dialog.OkBnClick();
    EXPECT_THAT(view.messages,
                ElementsAre(Message{"error",
                                    "There is already a user named BOB. Please choose another name for the "
                                    "new user."},
                            Message{"plain", "Please define a user name."}));
    EXPECT_EQ(folder.Read("zqc.ini"), before);
}

TEST_F(ProfileDialogTest, ANewUserNameLosesTheBlanksAroundIt) {
    dialog.StartEdit(anna);
    view.userText = "  Carla \t";
    dialog.OkBnClick();
    EXPECT_TRUE(store.HasUser("Carla"));
    EXPECT_EQ(view.userText, "Carla");
}

// A name of a few words is read whole in the logon dialog; a pasted text is
// no name, and would stand in the profile file for good.
TEST_F(ProfileDialogTest, ANewUserNameTooLongToReadIsRefusedWithItsLengthWhereverTheUserIsAdded) {
    const std::string longest(64, 'L');
    const std::string tooLong = longest + "M";
    const Message refusal{"error",
                          "A user name may have at most 64 characters; this one has 65. Please choose a "
                          "shorter name."};
    dialog.StartEdit(anna);
    const std::string before = folder.Read("zqc.ini");
    view.userText = tooLong;
    dialog.OkBnClick();
    EXPECT_THAT(view.messages, ElementsAre(refusal));
    EXPECT_EQ(folder.Read("zqc.ini"), before);

    view.messages.clear();
    view.userText = longest;
    dialog.OkBnClick();
    EXPECT_TRUE(store.HasUser(longest)) << "64 characters are a name";

    TProfile copy;
    copy.AssignSettings(anna);
    dialog.StartNewUser(copy);
    view.messages.clear();
    view.userText = "  " + tooLong + " ";
    dialog.BnApplyClick();
    EXPECT_THAT(view.messages, ElementsAre(refusal));
    EXPECT_FALSE(view.closedAccepted.has_value());
    EXPECT_EQ(copy.UserName, "");
}

TEST_F(ProfileDialogTest, AFailedStoreOfTheCurrentProfileGoesToTheCallerAndKeepsTheFile) {
    dialog.StartEdit(anna);
    folder.Write("plain", "");
    const ProfileStore unwritable(folder.File("plain") + "/zqc.ini");
    unwritable.Attach(anna);
    const std::string before = folder.Read("zqc.ini");
    view.selectedCourse = 0;  // Deutsch
    try {
        dialog.OkBnClick();
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Unable to write to " + unwritable.Path() + ": Not a directory.");
    }
    EXPECT_FALSE(view.closedAccepted.has_value());
    EXPECT_EQ(folder.Read("zqc.ini"), before);
}

TEST_F(ProfileDialogTest, AFailedStoreOfANewUserSaysSoWithTheReasonAndNoRestartMessage) {
    dialog.StartEdit(anna);
    folder.Write("plain", "");
    ProfileStore(folder.File("plain") + "/zqc.ini").Attach(anna);
    view.userText = "Carla";
    dialog.OkBnClick();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1].kind, "plain");
    EXPECT_THAT(view.messages[1].text, ::testing::StartsWith("Save Profile fail.\n\nUnable to write to "));
    EXPECT_FALSE(store.HasUser("Carla"));
    EXPECT_EQ(view.userText, "Carla") << "the name stays for another try";
}

TEST_F(ProfileDialogTest, NewUserModeHidesSaveAndEraseAndApplyNeedsAName) {
    TProfile copy;
    copy.AssignSettings(anna);
    dialog.StartNewUser(copy);
    EXPECT_TRUE(view.saveAndEraseHidden);
    EXPECT_TRUE(dialog.NewUserMode());
    EXPECT_THAT(layouts.system->activated, ElementsAre(0x40Cu)) << "the layout is activated here too";

    view.userText = " \t ";
    view.selectedCourse = 0;  // Deutsch
    dialog.BnApplyClick();
    EXPECT_THAT(view.messages, ElementsAre(Message{"plain", "Please define a user name."}));
    EXPECT_FALSE(view.closedAccepted.has_value());
    EXPECT_EQ(copy.UserName, "");
    EXPECT_EQ(copy.Course, "Deutsch") << "the settings were read before the name was checked";

    view.userText = "  Dora\n";
    dialog.BnApplyClick();
    EXPECT_EQ(view.closedAccepted, true);
    EXPECT_EQ(copy.UserName, "Dora");
    EXPECT_FALSE(store.HasUser("Dora")) << "Apply stores nothing";
}

TEST_F(ProfileDialogTest, AnUninstalledLayoutIsReportedAndKeptWhileTheOtherSettingsApply) {
    anna.KeyboardLayout = "0000041D";
    dialog.StartEdit(anna);
    EXPECT_THAT(view.messages, ElementsAre(Message{"plain", "0000041D layout could not be activated."}));
    EXPECT_EQ(view.selectedLayout, -1);

    view.selectedCourse = 0;  // Deutsch
    view.switches[ProfileSwitch::PopupAtEnd] = true;
    dialog.BnApplyClick();
    EXPECT_EQ(view.closedAccepted, true);
    EXPECT_EQ(anna.Course, "Deutsch");
    EXPECT_TRUE(anna.PopupAtEnd);
    EXPECT_EQ(anna.KeyboardLayout, "0000041D");

    dialog.StartEdit(anna);
    view.selectedLayout = 0;
    dialog.BnApplyClick();
    EXPECT_EQ(anna.KeyboardLayout, "00000409") << "a layout chosen in the list replaces it";
}

TEST_F(ProfileDialogTest, WithoutALayoutSaveStoresTheLayoutTheProfileNamed) {
    anna.KeyboardLayout = "0000041D";
    dialog.StartEdit(anna);
    view.userText = "Carla";
    dialog.OkBnClick();
    EXPECT_EQ(IniFile(store.Path()).ReadString("Carla", "KeyboardLayout", ""), "0000041D");

    view.userText = "Anna";
    view.switches[ProfileSwitch::HighLight] = false;
    dialog.OkBnClick();
    const IniFile file(store.Path());
    EXPECT_EQ(file.ReadString("Anna", "KeyboardLayout", ""), "0000041D");
    EXPECT_EQ(file.ReadString("Anna", "HighLight", ""), "0");
}

TEST_F(ProfileDialogTest, WhatTheSystemSaysAboutAnActivatedLayoutFollowsTheActivation) {
    layouts.system->notice = "Keys are read as on the French layout.";
    dialog.StartEdit(anna);
    EXPECT_THAT(view.messages, ElementsAre(Message{"information", "Keys are read as on the French layout."}));

    layouts.system->notice = "Keys are read as on the German layout.";
    view.selectedLayout = 2;
    dialog.BnApplyKbClick();
    EXPECT_THAT(view.messages, ElementsAre(Message{"information", "Keys are read as on the French layout."},
                                           Message{"plain", "Selected layout is activated."},
                                           Message{"information", "Keys are read as on the German layout."}));
}

TEST_F(ProfileDialogTest, ActivateLayoutReportsTheOutcomeAndLeavesTheProfile) {
    dialog.StartEdit(anna);
    view.selectedLayout = 2;
    dialog.BnApplyKbClick();
    layouts.system->refused = {0x409};
    view.selectedLayout = 0;
    dialog.BnApplyKbClick();
    EXPECT_THAT(view.messages, ElementsAre(Message{"plain", "Selected layout is activated."},
                                           Message{"plain", "Selected layout could not be activated."}));
    EXPECT_THAT(layouts.system->activated, ElementsAre(0x40Cu, 0x407u));
    EXPECT_EQ(anna.KeyboardLayout, "0000040C");
}

TEST_F(ProfileDialogTest, EraseRemovesTheNamedUserAndShowsTheFirstRemainingOne) {
    store.StoreSection(anna, "Carla");
    dialog.StartEdit(anna);
    view.userText = "bob";
    dialog.EraseBnClick();
    EXPECT_EQ(view.messages.front().kind, "confirm");
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Anna", "Carla"}));
    EXPECT_EQ(view.userList, (std::vector<std::string>{"Anna", "Carla"}));
    EXPECT_EQ(view.userText, "Anna");

    view.confirmAnswers = {false};
    view.userText = "Carla";
    dialog.EraseBnClick();
    EXPECT_TRUE(store.HasUser("Carla"));
}

TEST_F(ProfileDialogTest, AnErasedUserIsReportedSoThatTheirHistoryGoesWithThem) {
    std::vector<std::string> erased;
    dialog.OnUserErased = [&erased](const std::string& name) { erased.push_back(name); };
    dialog.StartEdit(anna);
    view.userText = "bob";
    view.confirmAnswers = {false};
    dialog.EraseBnClick();
    EXPECT_TRUE(erased.empty()) << "No keeps everything";
    view.userText = "bob";
    dialog.EraseBnClick();
    EXPECT_EQ(erased, (std::vector<std::string>{"bob"}));
    EXPECT_EQ(view.messages.size(), 2u) << "one confirmation each time, nothing more";
}

TEST_F(ProfileDialogTest, TheLoggedOnUserCannotBeErased) {
    std::vector<std::string> erased;
    dialog.OnUserErased = [&erased](const std::string& name) { erased.push_back(name); };
    dialog.StartEdit(anna);
    const std::string before = folder.Read("zqc.ini");
    view.userText = " ANNA ";
    dialog.EraseBnClick();
    EXPECT_THAT(
        view.messages,
        ElementsAre(Message{"confirm",
                            "You are going to erase the profile of selected user. Do you want to confirm?"},
                    Message{"error", "Anna is logged on. Log on as another user to erase this profile."}));
    EXPECT_EQ(folder.Read("zqc.ini"), before);
    EXPECT_TRUE(erased.empty()) << "the history stays too";
}

// That run would store the profile again at its end, and the history's
// lines typed meanwhile would have no profile.
TEST_F(ProfileDialogTest, AUserLoggedOnInAnotherRunCannotBeErased) {
    const FileLock otherRun = store.LockUser("Bob");
    ASSERT_TRUE(otherRun.Held());
    std::vector<std::string> erased;
    dialog.OnUserErased = [&erased](const std::string& name) { erased.push_back(name); };
    dialog.StartEdit(anna);
    const std::string before = folder.Read("zqc.ini");
    view.userText = "bob";
    dialog.EraseBnClick();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[1],
              (Message{"error",
                       "bob is logged on in another window of the program. Erase the profile once "
                       "that window has been closed."}));
    EXPECT_EQ(folder.Read("zqc.ini"), before);
    EXPECT_TRUE(erased.empty());
}

TEST_F(ProfileDialogTest, EraseOfTheLastUserIsRefused) {
    store.EraseSection("Bob");
    dialog.StartEdit(anna);
    const std::string before = folder.Read("zqc.ini");
    dialog.EraseBnClick();
    EXPECT_THAT(
        view.messages,
        ElementsAre(Message{"confirm",
                            "You are going to erase the profile of selected user. Do you want to confirm?"},
                    Message{"error", "There should be at least one profile. Abort."}));
    EXPECT_EQ(folder.Read("zqc.ini"), before);
    EXPECT_EQ(view.userText, "Anna");
}

TEST_F(ProfileDialogTest, AnyStoredColorSurvivesTheDialog) {
    const std::vector<TColor> colors = {0,
                                        clWhite,
                                        Rgb(1, 2, 3),
                                        8421504,
                                        clBtnFace,
                                        -2147483633,
                                        ToColor(SystemColor::MenuBar),
                                        static_cast<TColor>(0x80000019),  // index 25: no theme colour
                                        static_cast<TColor>(0x800000FF),
                                        -1,
                                        INT_MIN,
                                        16777216,
                                        clNone - 1,
                                        clNone,
                                        clDefault,
                                        clDefault + 1,
                                        INT_MAX};
    for (const TColor color : colors) {
        TProfile profile = anna;
        profile.BgColor = color;
        profile.GameBgColor = color;
        FakeProfileDialogView freshView;
        ProfileDialog fresh(freshView, store);
        fresh.SetAgent(layouts.agent.get());
        fresh.StartEdit(profile);
        profile.BgColor = profile.GameBgColor = 12345;
        fresh.BnApplyClick();
        EXPECT_EQ(profile.BgColor, color);
        EXPECT_EQ(profile.GameBgColor, color);
    }
}

TEST_F(ProfileDialogTest, AColorOutsideTheListIsShownAsCustom) {
    anna.GameBgColor = Rgb(1, 2, 3);
    dialog.StartEdit(anna);
    const std::vector<ColorEntry>& entries = view.colorEntries.at(ColorBox::GameBackground);
    const int custom = view.colorSelection.at(ColorBox::GameBackground);
    EXPECT_EQ(entries[static_cast<size_t>(custom)], (ColorEntry{"Custom", Rgb(1, 2, 3)}));
    EXPECT_EQ(entries.back().name, "Custom...");
    EXPECT_EQ(view.gameExampleBackground, Rgb(1, 2, 3));
}

TEST_F(ProfileDialogTest, CustomOpensTheColorChooserOnTheCurrentColor) {
    dialog.StartEdit(anna);
    const int chooser = view.ColorIndex(ColorBox::GameBackground, "Custom...");
    view.colorAnswers = {Rgb(10, 20, 30), std::nullopt};
    dialog.ColorPicked(ColorBox::GameBackground, chooser);
    EXPECT_EQ(dialog.Colors(ColorBox::GameBackground).SelectedColor(), Rgb(10, 20, 30));
    EXPECT_EQ(view.ColorIndex(ColorBox::GameBackground, "Custom..."), chooser + 1) << "Custom joined";
    dialog.ColorPicked(ColorBox::GameBackground, chooser + 1);  // cancelled
    EXPECT_THAT(view.colorChooserOpenedWith, ElementsAre(clBlack, Rgb(10, 20, 30)));
    EXPECT_EQ(view.colorEntries
                  .at(ColorBox::GameBackground)[static_cast<size_t>(
                      view.colorSelection.at(ColorBox::GameBackground))]
                  .name,
              "Custom");

    dialog.ColorPicked(ColorBox::Background, view.ColorIndex(ColorBox::Background, "Cream"));
    EXPECT_EQ(anna.BgColor, clNavy) << "nothing reaches the profile before Apply";
    view.selectedLayout = 0;
    dialog.BnApplyClick();
    EXPECT_EQ(anna.BgColor, Rgb(255, 251, 240));
    EXPECT_EQ(anna.GameBgColor, Rgb(10, 20, 30));
    EXPECT_EQ(view.gameExampleBackground, clBlack) << "the game example keeps the colour it opened with";
}

TEST_F(ProfileDialogTest, FontButtonsOpenTheChooserOnTheirFontAndApplyTakesTheChoice) {
    dialog.StartEdit(anna);
    const TFontRecord chosen{"DejaVu Serif", 20, clMaroon, false, true, true, true};
    view.fontAnswers = {chosen, std::nullopt, std::nullopt};
    dialog.SetFontBnClick();
    dialog.ParagraphFontBnClick();
    dialog.GameFontBnClick();
    ASSERT_EQ(view.fontChooserOpenedWith.size(), 3u);
    EXPECT_EQ(view.fontChooserOpenedWith[0], anna.PracticeFont);
    EXPECT_EQ(view.fontChooserOpenedWith[1], anna.TextFont);
    EXPECT_EQ(view.fontChooserOpenedWith[2], anna.GameFont);
    EXPECT_EQ(view.exampleFonts.at(ExampleFont::Line), chosen);
    EXPECT_EQ(anna.PracticeFont.Name, "DejaVu Sans Mono");
    const TFontRecord text = anna.TextFont;
    dialog.BnApplyClick();
    EXPECT_EQ(anna.PracticeFont, chosen);
    EXPECT_EQ(anna.TextFont, text);
}

TEST_F(ProfileDialogTest, EasyReadingProposesTheReadableFontWhenTheDesktopHasIt) {
    view.fontFamilies = {"DejaVu Sans", "OpenDyslexic", "OpenDyslexicMono"};
    dialog.StartEdit(anna);
    view.switches[ProfileSwitch::EasyReading] = true;
    dialog.EasyReadingClicked(true);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].kind, "confirm");
    EXPECT_THAT(view.messages[0].text, HasSubstr("OpenDyslexic"));
    for (const ExampleFont example : {ExampleFont::Line, ExampleFont::Paragraph, ExampleFont::Game})
        EXPECT_EQ(view.exampleFonts.at(example).Name, "OpenDyslexic");
    EXPECT_EQ(view.exampleFonts.at(ExampleFont::Line).Size, 16) << "Easy reading enlarges where it shows";
    EXPECT_TRUE(view.exampleFonts.at(ExampleFont::Line).Bold);
    EXPECT_EQ(anna.PracticeFont.Name, "DejaVu Sans Mono") << "nothing reaches the profile before Apply";
    dialog.BnApplyClick();
    EXPECT_EQ(anna.PracticeFont.Name, "OpenDyslexic");
    EXPECT_EQ(anna.GameFont.Name, "OpenDyslexic");
    EXPECT_TRUE(anna.EasyReading);
}

TEST_F(ProfileDialogTest, EasyReadingKeepsTheFontsWhenTheLearnerDeclinesOrHasThemAlready) {
    view.fontFamilies = {"OpenDyslexic"};
    dialog.StartEdit(anna);
    view.confirmAnswers = {false};
    dialog.EasyReadingClicked(true);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.exampleFonts.at(ExampleFont::Line), anna.PracticeFont);

    view.messages.clear();
    dialog.EasyReadingClicked(false);
    EXPECT_TRUE(view.messages.empty()) << "clearing the box proposes nothing";

    anna.PracticeFont.Name = anna.TextFont.Name = anna.GameFont.Name = "opendyslexic";
    dialog.StartEdit(anna);
    dialog.EasyReadingClicked(true);
    EXPECT_TRUE(view.messages.empty()) << "fonts that are the readable one already are not proposed again";
}

TEST_F(ProfileDialogTest, WithoutTheReadableFontEasyReadingAsksNothingAndTheFontsStay) {
    view.fontFamilies = {"DejaVu Sans", "OpenDyslexicAlta"};
    dialog.StartEdit(anna);
    view.switches[ProfileSwitch::EasyReading] = true;
    dialog.EasyReadingClicked(true);
    EXPECT_TRUE(view.messages.empty());
    dialog.BnApplyClick();
    EXPECT_EQ(anna.PracticeFont.Name, "DejaVu Sans Mono");
    EXPECT_TRUE(anna.EasyReading) << "large print and contrast need no font of their own";
}

TEST_F(ProfileDialogTest, OddFontsOpenAndComeBackUnchanged) {
    anna.PracticeFont = {"", 0, clDefault, false, false, false, false};
    anna.TextFont = {"No Such Font", 500, -1, true, true, false, false};
    anna.GameFont = {"x", -3, INT_MIN, false, false, true, true};
    const TProfile before = anna;
    dialog.StartEdit(anna);
    dialog.BnApplyClick();
    EXPECT_EQ(anna.PracticeFont, before.PracticeFont);
    EXPECT_EQ(anna.TextFont, before.TextFont);
    EXPECT_EQ(anna.GameFont, before.GameFont);
}

TEST_F(ProfileDialogTest, NoAgentLeavesTheKeyboardTabEmptyAndTheLayoutAsItWas) {
    ProfileDialog alone(view, store);
    alone.StartEdit(anna);
    alone.BnApplyKbClick();
    alone.BnApplyClick();
    EXPECT_TRUE(view.layoutList.empty());
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(anna.KeyboardLayout, "0000040C");
    EXPECT_EQ(view.closedAccepted, true);
}

}  // namespace
}  // namespace zq
