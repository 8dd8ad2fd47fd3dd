#include "app/TFmLogon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "AppFakes.h"
#include "app/TSettings.h"
#include "app/TZQStarterLocal.h"
#include "base/IniFile.h"
#include "base/LibraryError.h"
#include "profile/ProfileStore.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using testing::FakeLogonView;
using testing::FakeStarterWindows;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* kProfiles =
    "[Default]\nCourse=English\nProgress=12\nTimeTotal=3600000\nGScore1=500\nBgColor=255\n"
    "PracticeFontName=Mono\nDrillSoundEnabled=1\nKeyboardLayout=0000040C\n"
    "[Maria]\nCourse=Deutsch\n";

class LogonFormTest : public ::testing::Test {
protected:
    LogonFormTest() {
        folder.Write("zqc.ini", kProfiles);
        logon.SetStarter(&starter);
    }

    // The dialog as it opens, with the user box showing `typed`.
    void OpenWith(const std::string& typed) {
        logon.FormShow();
        view.text = typed;
    }

    TempFolder folder;
    TSettings settings{folder.Dir()};
    FakeStarterWindows windows{settings};
    TZQStarterLocal starter{windows, settings};
    FakeLogonView view;
    TFmLogon logon{view, settings};
};

TEST_F(LogonFormTest, TheListHoldsTheUsersInFileOrderWithTheLastUserSelected) {
    settings.User = "MARIA";
    logon.FormShow();
    EXPECT_THAT(view.list, ElementsAre("Default", "Maria"));
    EXPECT_EQ(view.selected, 1);

    settings.User = "Nobody";
    logon.FillUserList();
    EXPECT_EQ(view.selected, -1);
    EXPECT_EQ(view.text, "");
}

// A section added by hand for a user the file holds already, in other
// letter case, cannot be reached: the user is listed once, and the learner
// hears once where both sections stand, the file left as it is.
TEST_F(LogonFormTest, AUserWithASecondSectionIsListedOnceAndTheFileAndLinesAreToldOnce) {
    const std::string text = std::string(kProfiles) + "[default]\nProgress=50\nTimeTotal=99999\n";
    folder.Write("zqc.ini", text);
    logon.FormShow();
    logon.FormShown();
    EXPECT_THAT(view.list, ElementsAre("Default", "Maria"));
    ASSERT_EQ(view.informations.size(), 1u);
    EXPECT_THAT(view.informations[0], HasSubstr("The profile file " + folder.File("zqc.ini")));
    EXPECT_THAT(view.informations[0], HasSubstr("line 12: [default], the same user as [Default] at line 1"));

    logon.FillUserList();
    logon.FormShow();
    logon.FormShown();
    EXPECT_EQ(view.informations.size(), 1u) << "told once";
    OpenWith("default");
    logon.OKButtonClick();
    EXPECT_EQ(starter.CurrentProfile.Progress, 12) << "the first section is the user's";
    EXPECT_EQ(folder.Read("zqc.ini"), text);
}

TEST_F(LogonFormTest, AProfileFileWithoutRepeatsTellsNothing) {
    logon.FormShow();
    logon.FormShown();
    EXPECT_THAT(view.informations, IsEmpty());
}

TEST_F(LogonFormTest, ANameTypedInOtherLetterCaseLogsOnAndItsSectionIsReadAndWritten) {
    OpenWith("maria");
    logon.OKButtonClick();

    EXPECT_EQ(starter.CurrentProfile.UserName, "maria");
    EXPECT_EQ(settings.User, "maria");
    EXPECT_EQ(starter.CurrentProfile.Course, "Deutsch");
    EXPECT_THAT(windows.log, ::testing::Contains("HideLogon"));

    starter.CurrentProfile.Progress = 4;
    starter.CurrentProfile.Save();
    EXPECT_EQ(starter.Store().UserNames(), (std::vector<std::string>{"Default", "Maria"}));
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "Progress", 0), 4);
}

TEST_F(LogonFormTest, AnEmptyOrUnknownNameIsRefused) {
    OpenWith("");
    logon.OKButtonClick();
    view.text = "Zoe";
    logon.OKButtonClick();
    EXPECT_THAT(view.informations,
                ElementsAre("Please select a user name from the user list.",
                            "The user name is not in the list. Please either select from the list or add a "
                            "new user name."));
    EXPECT_THAT(windows.log, IsEmpty());
    EXPECT_EQ(settings.User, "Default");
}

TEST_F(LogonFormTest, AUserLoggedOnInAnotherRunIsRefusedWithAMessageUntilThatRunEnds) {
    std::optional<FileLock> otherRun = starter.Store().LockUser("Maria");
    ASSERT_TRUE(otherRun->Held());
    OpenWith("MARIA");
    logon.OKButtonClick();
    EXPECT_THAT(view.informations,
                ElementsAre("MARIA is already logged on in another window of ZQ Typing Tutor on this "
                            "computer. Go on practising there, or exit it and log on here again."));
    EXPECT_THAT(windows.log, IsEmpty());
    EXPECT_EQ(settings.User, "Default");

    otherRun.reset();
    logon.OKButtonClick();
    EXPECT_THAT(windows.log, ::testing::Contains("HideLogon"));
    EXPECT_TRUE(starter.Store().LockUser("maria").HeldElsewhere()) << "the run keeps its user";
}

TEST_F(LogonFormTest, AUserWhoseProfileFailedToLoadMayBeChosenAgain) {
    folder.Write("zqc.ini", "[Default]\nBgColor=blue\n");
    OpenWith("Default");
    EXPECT_THROW(logon.OKButtonClick(), LibraryError);
    folder.Write("zqc.ini", "[Default]\nBgColor=255\n");
    logon.OKButtonClick();
    EXPECT_THAT(view.informations, IsEmpty());
    EXPECT_THAT(windows.log, ::testing::Contains("HideLogon"));
}

TEST_F(LogonFormTest, AProfileWithABadNumberReportsTheErrorAndTheLogonStays) {
    folder.Write("zqc.ini", "[Default]\nBgColor=blue\n");
    OpenWith("Default");
    EXPECT_THROW(logon.OKButtonClick(), LibraryError);
    EXPECT_THAT(windows.log, ::testing::Not(::testing::Contains("HideLogon")));
    EXPECT_EQ(starter.MainWindow(), nullptr);
}

TEST_F(LogonFormTest, WithoutAProfileFileTheListIsEmptyAndTheMessageSaysHowUsersComeAbout) {
    std::filesystem::remove(folder / "zqc.ini");
    OpenWith("");
    EXPECT_THAT(view.list, IsEmpty());
    logon.OKButtonClick();
    ASSERT_EQ(view.informations.size(), 1u);
    EXPECT_THAT(view.informations[0], HasSubstr("Please select a user name from the user list."));
    EXPECT_THAT(view.informations[0],
                HasSubstr("the profile file " + folder.File("zqc.ini") + " is missing."));
    EXPECT_THAT(view.informations[0], HasSubstr("installing the program again puts it back"));
}

// A build or an install keeps a profile file that exists, whatever it holds.
TEST_F(LogonFormTest, AProfileFileWithoutAUserIsNotCalledMissingAndIsKept) {
    folder.Write("zqc.ini", "\x89PNG\r\n junk without a section\n");
    OpenWith("");
    logon.OKButtonClick();
    ASSERT_EQ(view.informations.size(), 1u);
    EXPECT_THAT(view.informations[0],
                HasSubstr("the profile file " + folder.File("zqc.ini") + " holds no user."));
    EXPECT_THAT(view.informations[0], ::testing::Not(HasSubstr("missing")));
    EXPECT_THAT(view.informations[0], HasSubstr("once it is renamed or removed"));
}

// The file holds users the program cannot read: it says why, and gives no
// advice to remove or reinstall a file that may be whole.
TEST_F(LogonFormTest, AProfileFileThatCannotBeReadIsToldWithTheReason) {
    std::filesystem::remove(folder / "zqc.ini");
    std::filesystem::create_directory(folder / "zqc.ini");
    OpenWith("");
    logon.OKButtonClick();
    ASSERT_EQ(view.informations.size(), 1u);
    EXPECT_THAT(view.informations[0],
                HasSubstr("The profile file " + folder.File("zqc.ini") + " cannot be read: Is a directory."));
    EXPECT_THAT(view.informations[0], ::testing::Not(HasSubstr("holds no user")));
    EXPECT_THAT(view.informations[0], ::testing::Not(HasSubstr("installing")));
}

// The users' folder could not be made (no home, or one that cannot be
// written): installing again would change nothing.
TEST(LogonWithoutAUsersFolderTest, TheMessageSaysTheFolderIsMissingAndWhatDecidesWhereItLies) {
    TempFolder folder;
    TSettings settings{folder.Dir() + "never made/"};
    FakeStarterWindows windows{settings};
    TZQStarterLocal starter{windows, settings};
    FakeLogonView view;
    TFmLogon logon{view, settings};
    logon.SetStarter(&starter);
    logon.FormShow();
    logon.OKButtonClick();
    ASSERT_EQ(view.informations.size(), 1u);
    EXPECT_THAT(view.informations[0], HasSubstr(folder.Dir() + "never made/"));
    EXPECT_THAT(view.informations[0], HasSubstr("HOME"));
    EXPECT_THAT(view.informations[0], ::testing::Not(HasSubstr("installing")));
}

TEST_F(LogonFormTest, AddingAUserCopiesTheSettingsWithoutResultsAndRefreshesTheList) {
    windows.profileDialogApplies = [](TProfile& profile) {
        profile.UserName = "Anna";
        return true;
    };
    OpenWith("default");
    logon.BnAddClick();

    EXPECT_THAT(view.informations, ElementsAre("Anna is added to the list."));
    EXPECT_THAT(view.list, ElementsAre("Default", "Maria", "Anna"));
    EXPECT_EQ(view.text, "Default");  // the last user who logged on

    TProfile anna;
    starter.Store().LoadSection(anna, "Anna");
    EXPECT_EQ(anna.Course, "English");
    EXPECT_EQ(anna.BgColor, 255);
    EXPECT_EQ(anna.PracticeFont.Name, "Mono");
    EXPECT_TRUE(anna.DrillSoundEnabled);
    EXPECT_EQ(anna.KeyboardLayout, "0000040C");
    EXPECT_EQ(anna.Progress, 0);
    EXPECT_EQ(anna.TimeTotal, 0);
    EXPECT_EQ(anna.GScore1, 0);
    EXPECT_THAT(windows.log, ::testing::Not(::testing::Contains("CreateMain")));  // nobody logged on
}

TEST_F(LogonFormTest, ASecondAddWithTheSameNameStoresNothing) {
    std::vector<std::string> namesOffered;
    windows.profileDialogApplies = [&namesOffered](TProfile& profile) {
        namesOffered.push_back(profile.UserName);
        if (profile.UserName.empty()) profile.UserName = "Anna";
        return true;
    };
    OpenWith("Maria");
    logon.BnAddClick();
    const std::string afterFirst = folder.Read("zqc.ini");
    view.text = "Maria";
    logon.BnAddClick();

    EXPECT_THAT(namesOffered, ElementsAre("", "Anna"));
    EXPECT_THAT(
        view.informations,
        ElementsAre("Anna is added to the list.",
                    "The user name is already in the dropdown list. Please pick up the name and logon."));
    EXPECT_EQ(folder.Read("zqc.ini"), afterFirst);
}

TEST_F(LogonFormTest, AddingNeedsAListedUserAndAnAppliedDialog) {
    OpenWith("Zoe");
    logon.BnAddClick();
    EXPECT_THAT(view.informations,
                ElementsAre("To use an existing profile as basic template to define a new profile, Please "
                            "select a user name from the user combobox."));

    view.text = "Maria";
    logon.BnAddClick();  // the dialog is closed without Apply
    EXPECT_EQ(folder.Read("zqc.ini"), kProfiles);
    EXPECT_EQ(view.informations.size(), 1u);
}

}  // namespace
}  // namespace zq
