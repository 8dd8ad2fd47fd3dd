// The whole program under the test X display, used as a learner would.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "ProgramSession.h"
#include "ProgramSteps.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "support/SmallDisk.h"

namespace zq::e2e {
namespace {

using std::chrono::seconds;

// The first line of a course file, as the drill shows it.
std::string FirstLine(const std::string& path) {
    return CourseLine(path);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<std::string> display = TestDisplay();
        if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
        session = std::make_unique<ProgramSession>(*display);
    }

    // Starts the program and logs on as the user the dialog shows.
    std::string LogOn() { return e2e::LogOn(*session); }

    // Esc in the main window, then OK in the practice-time message (a box
    // with the program's title, like the main window's).
    void CloseProgram(const std::string& main) { e2e::CloseProgram(*session, main); }

    // Opens the course drill from the main window and types the English
    // course's first line; the drill's window, or "" when it did not open.
    std::string TypeTheFirstLine(const std::string& main) {
        session->Key(main, "alt+c");
        const std::string drill = session->WaitForWindow(kCourse);
        if (!drill.empty())
            session->Type(drill, FirstLine(session->Path("Courses/English/course.txt")) + " ");
        return drill;
    }

    std::unique_ptr<ProgramSession> session;
};

TEST_F(ProgramTest, ALineOfTheCourseIsStoredAsProgressAndPracticeTime) {
    const std::string main = LogOn();
    const std::string drill = TypeTheFirstLine(main);
    ASSERT_FALSE(drill.empty()) << "the course drill did not open";
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(kCourse));
    CloseProgram(main);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1);
    EXPECT_GT(profiles.ReadInteger("Default", "TimeTotal", 0), 0);
    EXPECT_EQ(IniFile(session->Path("zq.ini")).ReadString("General", "User", ""), "Default");
}

// A learner with English windows chooses the course made for the Russian
// layout: the program switches the keyboard to that layout for the drill,
// so the course's first line is typed by the places of its letters there.
TEST_F(ProgramTest, ARussianCourseChosenInTheProfileIsTypedOnTheRussianLayoutAndKept) {
    const std::string main = LogOn();
    session->Key(main, "alt+r");
    const std::string dialog = session->WaitForWindow("^Profile");
    ASSERT_FALSE(dialog.empty()) << "the profile dialog did not open";
    session->Key(dialog, "Tab");    // from the user box to the course list
    session->Type(dialog, "R");     // the one course whose name begins so
    session->Key(dialog, "alt+a");  // Apply: the dialog closes, the profile keeps the course
    ASSERT_TRUE(session->WaitUntilGone("^Profile"));

    session->Key(main, "alt+c");
    const std::string drill = session->WaitForWindow(kCourse);
    ASSERT_FALSE(drill.empty()) << "the course drill did not open";
    const std::string line = FirstLine(session->Path("Courses/Russkij/course.txt"));
    ASSERT_EQ(line.rfind("\xD0", 0), 0u) << "a line of Cyrillic letters: " << line;
    session->Type(drill, line + " ");
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(kCourse));
    CloseProgram(main);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadString("Default", "Course", ""), "Russkij");
    EXPECT_EQ(profiles.ReadString("Default", "KeyboardLayout", ""), "00000419");
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1) << "the line was not passed";
}

TEST_F(ProgramTest, TheEndOfTheSessionDuringADrillStoresTheRunWithoutAQuestion) {
    const std::string main = LogOn();
    const std::string drill = TypeTheFirstLine(main);
    ASSERT_FALSE(drill.empty());
    session->Signal(SIGTERM);
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1);
    EXPECT_GT(profiles.ReadInteger("Default", "TimeTotal", 0), 0);
    EXPECT_EQ(IniFile(session->Path("zq.ini")).ReadString("General", "User", ""), "Default");
}

// The game asks for its difficulty when the session ends: the program ends
// at once, its run stored, with no question left open.
TEST_F(ProgramTest, TheEndOfTheSessionWhileTheGameAsksItsDifficultyEndsTheProgram) {
    const std::string main = LogOn();
    const std::string drill = TypeTheFirstLine(main);
    ASSERT_FALSE(drill.empty());
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(kCourse));
    session->Key(main, "alt+g");
    ASSERT_FALSE(session->WaitForWindow("^Input Box").empty()) << "no difficulty box";
    session->Signal(SIGTERM);
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1);
    EXPECT_EQ(IniFile(session->Path("zq.ini")).ReadString("General", "User", ""), "Default");
}

// The learner has closed the main window and the practice-time message is
// open when the session ends: the program ends at once, its run stored.
TEST_F(ProgramTest, TheEndOfTheSessionWhileTheClosingMessageIsOpenEndsTheProgram) {
    const std::string main = LogOn();
    const std::string drill = TypeTheFirstLine(main);
    ASSERT_FALSE(drill.empty());
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(kCourse));
    session->Key(main, "Escape");
    const auto end = std::chrono::steady_clock::now() + seconds(15);
    while (session->VisibleWindows(kMain).size() < 2 && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(session->VisibleWindows(kMain).size(), 2u) << "no practice-time message beside the main window";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    session->Signal(SIGTERM);
    EXPECT_EQ(session->WaitForExit(seconds(5)), 0) << "the program lingered behind its closing message";

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1);
    EXPECT_EQ(IniFile(session->Path("zq.ini")).ReadString("General", "User", ""), "Default");
}

TEST_F(ProgramTest, AKilledRunKeepsItsLineAndTimeAndTheNextStartRemovesItsTemporaryFile) {
    const std::string main = LogOn();
    const std::string drill = TypeTheFirstLine(main);
    ASSERT_FALSE(drill.empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const pid_t killed = session->Pid();
    session->Signal(SIGKILL);
    EXPECT_EQ(session->WaitForExit(seconds(15)), 128 + SIGKILL);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1);
    const std::int32_t time = profiles.ReadInteger("Default", "TimeTotal", 0);
    EXPECT_GT(time, 0);

    // Killed between writing a temporary file and putting it in place.
    const std::string temporary = session->Path("zqc.ini.tmp-" + std::to_string(killed) + "-0");
    std::ofstream(temporary) << "[Default]\nProgress=0\n";
    CloseProgram(LogOn());
    EXPECT_FALSE(std::filesystem::exists(temporary));
    EXPECT_EQ(IniFile(session->Path("zqc.ini")).ReadInteger("Default", "TimeTotal", 0), time);
}

TEST_F(ProgramTest, ASecondRunOfALoggedOnUserIsRefusedAndTheFirstRunKeepsItsLine) {
    const std::string main = LogOn();
    ProgramSession second(*TestDisplay(), {session->Path("zq-typing-tutor")}, session->Folder());
    second.Start();
    const std::string logon = second.WaitForWindow(kLogon);
    ASSERT_FALSE(logon.empty());
    second.Key(logon, "Return");
    const std::string refusal = second.WaitForWindow(kMessage);
    ASSERT_FALSE(refusal.empty()) << "the second run said nothing";
    EXPECT_FALSE(second.VisibleWindows(kLogon).empty()) << "the second run logged the same user on";
    second.Key(refusal, "Return");
    ASSERT_TRUE(second.WaitUntilGone(kMessage));
    second.Key(logon, "Escape");
    EXPECT_EQ(second.WaitForExit(seconds(15)), 0);

    const std::string drill = TypeTheFirstLine(main);
    ASSERT_FALSE(drill.empty());
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(kCourse));
    CloseProgram(main);
    EXPECT_EQ(IniFile(session->Path("zqc.ini")).ReadInteger("Default", "Progress", -1), 1);
}

// A full disk: the program runs from a copy on a small file system that the
// test fills.
class FullDiskTest : public ProgramTest {
protected:
    void SetUp() override {
        const std::optional<std::string> display = TestDisplay();
        if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
        if (!disk.Mounted())
            GTEST_SKIP() << "a full disk needs a small file system, which only the superuser mounts";
        session = std::make_unique<ProgramSession>(*display, disk.Folder().Path());
    }

    // Esc in the main window, OK in the practice-time message: the box that
    // says the profile could not be stored comes next, beside the main window.
    bool CloseUntilTheStoreFails(const std::string& main) {
        session->Key(main, "Escape");
        if (!WaitForBoxes(1)) return false;
        session->KeyToFocused("Return");
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        return WaitForBoxes(1);
    }

    // Waits until `boxes` message boxes stand beside the main window.
    bool WaitForBoxes(std::size_t boxes) {
        const auto end = std::chrono::steady_clock::now() + seconds(15);
        while (std::chrono::steady_clock::now() < end) {
            if (session->VisibleWindows(kMain).size() == boxes + 1) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    test::SmallDisk disk{48};
};

TEST_F(FullDiskTest, ClosingSaysTheStoreFailedAndRetriesOnceThereIsRoom) {
    const std::string main = LogOn();
    disk.Fill();
    ASSERT_TRUE(CloseUntilTheStoreFails(main)) << "no box said the profile was not stored";
    session->KeyToFocused("Return");  // Retry, on a disk still full
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_TRUE(WaitForBoxes(1)) << "retrying on a full disk did not ask again";
    disk.Free();
    session->KeyToFocused("Return");  // Retry
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);
    EXPECT_EQ(IniFile(session->Path("zq.ini")).ReadString("General", "User", ""), "Default");
}

TEST_F(FullDiskTest, ClosingMayEndWithoutStoring) {
    const std::string main = LogOn();
    disk.Fill();
    ASSERT_TRUE(CloseUntilTheStoreFails(main)) << "no box said the profile was not stored";
    session->KeyToFocused("alt+e");  // End without storing
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);
    EXPECT_FALSE(std::filesystem::exists(session->Path("zq.ini")));
}

TEST_F(FullDiskTest, ATerminationSignalEndsTheProgramEvenWhileTheBoxIsOpen) {
    const std::string main = LogOn();
    disk.Fill();
    ASSERT_TRUE(CloseUntilTheStoreFails(main)) << "no box said the profile was not stored";
    session->Signal(SIGTERM);
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);
}

// The history cannot be made: the drill goes on without a box taking the
// keys, the warning comes once the drill has closed, and no empty history is
// left; the end of the session ends the program although nothing can be stored.
TEST_F(FullDiskTest, TheDrillGoesOnAndTheEndOfTheSessionEndsTheProgram) {
    const std::string main = LogOn();
    disk.Fill();
    const std::string drill = TypeTheFirstLine(main);
    ASSERT_FALSE(drill.empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    EXPECT_EQ(session->VisibleWindows(kMain).size(), 1u) << "a box opened while the learner types";
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(kCourse));
    ASSERT_TRUE(WaitForBoxes(1)) << "the history's warning did not come after the drill";
    session->KeyToFocused("Return");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    session->Signal(SIGTERM);
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);
    EXPECT_FALSE(std::filesystem::exists(session->Path("zqstats.db")));
}

TEST_F(ProgramTest, TheGameOpensFromTheMainWindowAndClosingItBringsTheMainWindowBack) {
    const std::string main = LogOn();
    session->Key(main, "alt+g");
    const std::string game = session->WaitForWindow("^Game");
    ASSERT_FALSE(game.empty()) << "the game window did not open";
    EXPECT_TRUE(session->WaitUntilGone(kMain)) << "the main window hides while the game runs";
    const std::string difficulty = session->WaitForWindow("^Input Box");
    ASSERT_FALSE(difficulty.empty()) << "the difficulty was not asked";
    session->Key(difficulty, "Return");
    ASSERT_TRUE(session->WaitUntilGone("^Input Box"));

    session->Key(game, "Escape");
    const std::string question = session->WaitForWindow(kMessage);  // "Do you want to exit?"
    ASSERT_FALSE(question.empty()) << "leaving an unfinished game was not questioned";
    session->Key(question, "Return");  // Yes
    ASSERT_TRUE(session->WaitUntilGone("^Game"));
    EXPECT_EQ(session->WaitForWindow(kMain), main) << "the main window did not come back";
    CloseProgram(main);
}

TEST_F(ProgramTest, TheAdaptiveDrillOpensWithItsAcceleratorAndEscapeBringsBackTheMainWindow) {
    const std::string main = LogOn();
    session->Key(main, "alt+a");
    const std::string drill = session->WaitForWindow("^Adaptive Drill$");
    ASSERT_FALSE(drill.empty()) << "the adaptive drill did not open";
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone("^Adaptive Drill$"));
    CloseProgram(main);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadInteger("Default", "TargetSpeed", 0), 150);
    EXPECT_EQ(profiles.ReadInteger("Default", "DailyGoal", 0), 10);
}

TEST_F(ProgramTest, AUserAddedFromDefaultGetsASectionOfTheirOwn) {
    session->Start();
    const std::string logon = session->WaitForWindow(kLogon);
    ASSERT_FALSE(logon.empty());
    session->Key(logon, "alt+a");
    const std::string dialog = session->WaitForWindow("^Profile");
    ASSERT_FALSE(dialog.empty()) << "the profile dialog did not open";
    session->Type(dialog, "Anna");  // the user box has the focus
    session->Key(dialog, "alt+a");  // Apply
    ASSERT_TRUE(session->WaitUntilGone("^Profile"));
    const std::string added = session->WaitForWindow(kMessage);  // "Anna is added to the list."
    ASSERT_FALSE(added.empty());
    session->Key(added, "Return");
    ASSERT_TRUE(session->WaitUntilGone(kMessage));
    session->Key(logon, "Escape");
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.SectionNames(), (std::vector<std::string>{"Default", "Anna"}));
    EXPECT_EQ(profiles.ReadString("Anna", "Course", ""), "English");
    EXPECT_EQ(profiles.ReadInteger("Anna", "TimeTotal", -1), 0);
    EXPECT_FALSE(std::filesystem::exists(session->Path("zq.ini")));  // nobody logged on
}

TEST_F(ProgramTest, EscapeAtTheLogonEndsTheProgramStoringNothing) {
    const std::string shipped = ReadFileBytes(session->Path("zqc.ini"));
    session->Start();
    const std::string logon = session->WaitForWindow(kLogon);
    ASSERT_FALSE(logon.empty());
    session->Key(logon, "Escape");
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);

    EXPECT_FALSE(std::filesystem::exists(session->Path("zq.ini")));
    EXPECT_EQ(ReadFileBytes(session->Path("zqc.ini")), shipped);
}

}  // namespace
}  // namespace zq::e2e
