// The whole program on the headless Wayland compositor of ./test, used as a
// learner would: as a Wayland program, and as an X11 program through the
// compositor's XWayland.
#include <gtest/gtest.h>

#include <chrono>

#include <memory>
#include <thread>

#include "ProgramSession.h"
#include "ProgramSteps.h"
#include "WaylandDesktop.h"
#include "base/IniFile.h"

namespace zq::e2e {
namespace {

using std::chrono::seconds;

enum class Client { Wayland, XWayland };

std::string NameOf(const ::testing::TestParamInfo<Client>& info) {
    return info.param == Client::Wayland ? "Wayland" : "XWayland";
}

class OnWaylandTest : public ::testing::TestWithParam<Client> {
protected:
    void SetUp() override {
        const std::optional<WaylandSession> wayland = TestWaylandSession();
        if (!wayland) GTEST_SKIP() << "no test Wayland compositor (ZQ_TEST_WAYLAND_DISPLAY) or keyboard tool";
        if (GetParam() == Client::Wayland) {
            session = std::make_unique<ProgramSession>(std::make_unique<WaylandDesktop>(*wayland));
            return;
        }
        const std::optional<std::string> xwayland = TestXWaylandDisplay();
        if (!xwayland) GTEST_SKIP() << "the test compositor has no XWayland, or there is no xdotool";
        session = std::make_unique<ProgramSession>(X11Desktop(*xwayland));
    }

    std::unique_ptr<ProgramSession> session;
};

TEST_P(OnWaylandTest, ALineOfTheCourseIsStoredAsProgressAndPracticeTime) {
    const std::string main = LogOn(*session);
    session->Key(main, "alt+c");
    const std::string drill = session->WaitForWindow(kCourse);
    ASSERT_FALSE(drill.empty()) << "the course drill did not open";
    session->Type(drill, CourseLine(session->Path("Courses/English/course.txt")) + " ");
    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(kCourse));
    CloseProgram(*session, main);

    const IniFile profiles(session->Path("zqc.ini"));
    EXPECT_EQ(profiles.ReadInteger("Default", "Progress", -1), 1);
    EXPECT_GT(profiles.ReadInteger("Default", "TimeTotal", 0), 0);
}

TEST_P(OnWaylandTest, TheGameFillsTheScreenAndLeavingItBringsTheMainWindowBack) {
    const std::string main = LogOn(*session);
    session->Key(main, "alt+g");
    const std::string game = session->WaitForWindow("^Game");
    ASSERT_FALSE(game.empty()) << "the game window did not open";
    const std::string difficulty = session->WaitForWindow("^Input Box");
    ASSERT_FALSE(difficulty.empty()) << "the difficulty was not asked";
    session->Key(difficulty, "Return");
    ASSERT_TRUE(session->WaitUntilGone("^Input Box"));
    const std::optional<Desktop::Rect> area = session->OnDesktop().Geometry(game);
    ASSERT_TRUE(area.has_value());
    EXPECT_EQ(area->width, 1280) << "the whole width of the test screen";
    EXPECT_EQ(area->height, 1024);

    session->Key(game, "Escape");
    const std::string question = session->WaitForWindow(kMessage);  // "Do you want to exit?"
    ASSERT_FALSE(question.empty()) << "leaving an unfinished game was not questioned";
    session->Key(question, "Return");  // Yes
    ASSERT_TRUE(session->WaitUntilGone("^Game"));
    // A Wayland window shown again is a new window of the compositor's.
    const std::string mainAgain = session->WaitForWindow(kMain);
    ASSERT_FALSE(mainAgain.empty()) << "the main window did not come back";
    CloseProgram(*session, mainAgain);
}

INSTANTIATE_TEST_SUITE_P(Clients, OnWaylandTest, ::testing::Values(Client::Wayland, Client::XWayland),
                         NameOf);

// Where a drill's keyboard and hands stand: the drill window's size, and
// the frames of the hands windows of their own, if any.
struct DrillOnScreen {
    Desktop::Rect drill;
    std::vector<Desktop::Rect> hands;
};

// A drill of the course opened and closed again on the desktop.
DrillOnScreen OpenAndCloseADrill(ProgramSession& session) {
    DrillOnScreen seen;
    const std::string main = LogOn(session);
    session.Key(main, "alt+c");
    const std::string drill = session.WaitForWindow(kCourse);
    EXPECT_FALSE(drill.empty()) << "the course drill did not open";
    std::this_thread::sleep_for(seconds(1));  // the guidance shows after the window
    seen.drill = session.OnDesktop().Geometry(drill).value_or(Desktop::Rect{});
    for (const std::string& hand : session.VisibleWindows("^(Left|Right)$")) {
        if (const auto frame = session.OnDesktop().Geometry(hand)) seen.hands.push_back(*frame);
    }
    session.Key(drill, "Escape");
    EXPECT_TRUE(session.WaitUntilGone(kCourse));
    CloseProgram(session, main);
    return seen;
}

// A Wayland program cannot place its windows: the keyboard and hands would
// land wherever the compositor puts them, so they stand inside the drill
// window there, below its lines, where an X11 program puts its windows.
TEST(GuidanceOnWaylandTest, TheKeyboardAndHandsStandInsideTheDrillWindowBelowItsLines) {
    const std::optional<WaylandSession> wayland = TestWaylandSession();
    const std::optional<std::string> xwayland = TestXWaylandDisplay();
    if (!wayland || !xwayland)
        GTEST_SKIP() << "no test Wayland compositor with XWayland, or no keyboard tool";
    ProgramSession x11(X11Desktop(*xwayland));
    const DrillOnScreen beside = OpenAndCloseADrill(x11);
    ASSERT_EQ(beside.hands.size(), 2u) << "an X11 program shows the hands as windows of their own";
    ProgramSession native(std::make_unique<WaylandDesktop>(*wayland));
    const DrillOnScreen inside = OpenAndCloseADrill(native);

    EXPECT_TRUE(inside.hands.empty()) << "no hands window of its own";
    EXPECT_GE(inside.drill.height, beside.drill.height + beside.hands[0].height)
        << "the drill window holds its lines and the guidance row below them";
    EXPECT_LE(inside.drill.height, 1024) << "on the screen";
}

// A learner at a keyboard whose desktop types US English practises another
// layout as a Wayland program: the program cannot switch the desktop's
// layout, says so, and judges their keys by their places on the course's
// layout, which they type by touch.
class KeysByPlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        wayland = TestWaylandSession();
        if (!wayland) GTEST_SKIP() << "no test Wayland compositor (ZQ_TEST_WAYLAND_DISPLAY) or keyboard tool";
    }

    // Logs on with the course and layout, at the course's line `index`, types
    // that line by the places of the layout `xkbLayout`; the line reached.
    int PractiseLine(const std::string& course, const std::string& layoutId, const std::string& xkbLayout,
                     int index) {
        session =
            std::make_unique<ProgramSession>(std::make_unique<WaylandDesktop>(*wayland, "us", xkbLayout));
        IniFile profiles(session->Path("zqc.ini"));
        profiles.WriteString("Default", "Course", course);
        profiles.WriteString("Default", "KeyboardLayout", layoutId);
        profiles.WriteInteger("Default", "Progress", index);

        session->Start();
        const std::string logon = session->WaitForWindow(kLogon);
        EXPECT_FALSE(logon.empty()) << "the logon dialog did not appear";
        session->Key(logon, "Return");
        EXPECT_TRUE(session->WaitUntilGone(kLogon));
        const std::string main = session->WaitForWindow(kMain);
        EXPECT_FALSE(main.empty()) << "the main window did not appear";
        // The notice opens over the main window, under the same title.
        const std::string notice = OtherWindowTitled(kMessage, main);
        EXPECT_FALSE(notice.empty()) << "the learner was not told that the layout stays as it is";
        session->Key(notice, "Return");

        session->Key(main, "alt+c");
        const std::string drill = session->WaitForWindow(kCourse);
        EXPECT_FALSE(drill.empty()) << "the course drill did not open";
        session->Type(drill, CourseLine(session->Path("Courses/" + course + "/course.txt"), index) + " ");
        session->Key(drill, "Escape");
        EXPECT_TRUE(session->WaitUntilGone(kCourse));
        CloseProgram(*session, main);
        return IniFile(session->Path("zqc.ini")).ReadInteger("Default", "Progress", -1);
    }

    // A window titled `pattern` other than `window`, once one shows.
    std::string OtherWindowTitled(const std::string& pattern, const std::string& window) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < end) {
            for (const std::string& shown : session->VisibleWindows(pattern))
                if (shown != window) return shown;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return {};
    }

    std::optional<WaylandSession> wayland;
    std::unique_ptr<ProgramSession> session;
};

TEST_F(KeysByPlaceTest, AGermanLineWithUmlautsAndZIsTypedByTheGermanPlaces) {
    // "Bäume Brücke Glück Mädchen Mütze Zähne"
    EXPECT_EQ(PractiseLine("Deutsch", "00000407", "de", 65), 66) << "the line was not passed";
}

TEST_F(KeysByPlaceTest, AFrenchLineWithDeadKeysIsTypedByTheFrenchPlaces) {
    // "même bête rêve fenêtre crêpe prêt": the circumflex is a dead key
    EXPECT_EQ(PractiseLine("Francais", "0000040C", "fr", 97), 98) << "the line was not passed";
}

}  // namespace
}  // namespace zq::e2e
