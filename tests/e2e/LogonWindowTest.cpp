// The logon dialog on the test X display with its window manager, used as a
// learner would: its messages open over it, and Enter closes a message once,
// leaving the keys to the user box.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>
#include <thread>

#include "ProgramSession.h"
#include "ProgramSteps.h"

namespace zq::e2e {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

bool Contains(const Desktop::Rect& outer, int x, int y) {
    return x >= outer.left && x < outer.left + outer.width && y >= outer.top && y < outer.top + outer.height;
}

bool CentreLiesOver(const Desktop::Rect& window, const Desktop::Rect& dialog) {
    return Contains(dialog, window.left + window.width / 2, window.top + window.height / 2);
}

class LogonWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<std::string> display = TestDisplay();
        if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
        session = std::make_unique<ProgramSession>(*display);
        session->Start();
        logon = session->WaitForWindow(kLogon);
        ASSERT_FALSE(logon.empty()) << "the logon dialog did not open";
        const auto geometry = session->OnDesktop().Geometry(logon);
        ASSERT_TRUE(geometry.has_value());
        dialog = *geometry;
    }
    void TearDown() override {
        if (session && session->Running()) session->Signal(SIGTERM);
    }

    // The program's windows titled like its message boxes, besides the dialog.
    std::vector<std::string> Boxes() { return session->VisibleWindows(kMessage); }

    // Waits until a window titled like a message box appears.
    std::string WaitForBox() { return session->WaitForWindow(kMessage, milliseconds(10000)); }

    std::unique_ptr<ProgramSession> session;
    std::string logon;
    Desktop::Rect dialog;
};

TEST_F(LogonWindowTest, OneEnterClosesTheMessageAndTheNextKeysGoIntoTheProfileBox) {
    session->Key(logon, "ctrl+a BackSpace Return");  // no user name
    const std::string box = WaitForBox();
    ASSERT_FALSE(box.empty()) << "an empty user name was not questioned";
    const auto boxGeometry = session->OnDesktop().Geometry(box);
    ASSERT_TRUE(boxGeometry.has_value());
    EXPECT_TRUE(CentreLiesOver(*boxGeometry, dialog))
        << "the message stands at " << boxGeometry->left << "," << boxGeometry->top
        << ", away from the dialog at " << dialog.left << "," << dialog.top;

    session->KeyToFocused("Return");
    ASSERT_TRUE(session->WaitUntilGone(kMessage, milliseconds(5000))) << "Enter did not close the message";
    std::this_thread::sleep_for(milliseconds(800));
    EXPECT_TRUE(Boxes().empty()) << "the same message opened again";

    // Typed without choosing a window: the keys go where the focus is.
    session->OnDesktop().Type("Default");
    session->KeyToFocused("Return");
    EXPECT_TRUE(session->WaitUntilGone(kLogon)) << "the name typed after the message did not log on";
    const std::string main = session->WaitForWindow(kMain);
    ASSERT_FALSE(main.empty());
    CloseProgram(*session, main);
}

TEST_F(LogonWindowTest, AnUnknownNameIsQuestionedOnceOverTheDialog) {
    session->Key(logon, "ctrl+a");
    session->Type(logon, "Nobody");
    session->Key(logon, "Return");
    const std::string box = WaitForBox();
    ASSERT_FALSE(box.empty()) << "an unknown user name was not questioned";
    const auto boxGeometry = session->OnDesktop().Geometry(box);
    ASSERT_TRUE(boxGeometry.has_value());
    EXPECT_TRUE(CentreLiesOver(*boxGeometry, dialog));
    session->KeyToFocused("Return");
    ASSERT_TRUE(session->WaitUntilGone(kMessage, milliseconds(5000)));
    std::this_thread::sleep_for(milliseconds(800));
    EXPECT_TRUE(Boxes().empty()) << "the same message opened again";
    session->Key(logon, "Escape");
    EXPECT_EQ(session->WaitForExit(seconds(15)), 0);
}

}  // namespace
}  // namespace zq::e2e
