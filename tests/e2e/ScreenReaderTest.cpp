// The program as a screen reader finds it: the real program on the test X
// display, with its accessibility on, read through ./test's private
// accessibility bus as Orca reads a desktop's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "AccessibleControls.h"
#include "ProgramSession.h"
#include "ScreenReader.h"

namespace zq::e2e {
namespace {

using std::chrono::seconds;

constexpr milliseconds kWindowTimeout(15000);

class ScreenReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<std::string> display = TestDisplay();
        if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
        if (!TestAccessibilityBus()) GTEST_SKIP() << "no private accessibility bus (ZQ_TEST_ACCESSIBILITY_BUS)";
        session = std::make_unique<ProgramSession>(*display);
        // What a screen reader's switch does on a desktop.
        session->SetVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        reader = std::make_unique<ScreenReader>();
    }

    void Start(const std::vector<std::string>& arguments = {}) {
        session->Start(arguments);
        application = reader->WaitForApplication(session->ProcessId(), kWindowTimeout);
        ASSERT_TRUE(application) << "the program did not appear on the accessibility bus";
    }

    AccessibleObject Window(const std::string& namePattern) {
        std::optional<AccessibleObject> window = reader->WaitForWindow(*application, namePattern, kWindowTimeout);
        EXPECT_TRUE(window) << "no window named " << namePattern;
        return window ? *window : *application;
    }

    // Starts the program and logs on as the user the dialog shows.
    void LogOn() {
        Start();
        if (HasFatalFailure()) return;
        session->Key(session->WaitForWindow("^Log on"), "Return");
        main = session->WaitForWindow("^ZQ Typing Tutor$");
        ASSERT_FALSE(main.empty()) << "the main window did not appear";
    }

    std::unique_ptr<ProgramSession> session;
    std::unique_ptr<ScreenReader> reader;
    std::optional<AccessibleObject> application;
    std::string main;  // the main window's X window
};

// Writes the window's dump into the folder ZQ_ACCESSIBILITY_DUMPS names,
// when it names one (for a person who reads them).
void KeepDump(const std::string& title, const WindowReport& report) {
    const char* folder = std::getenv("ZQ_ACCESSIBILITY_DUMPS");
    if (folder == nullptr || *folder == '\0') return;
    std::filesystem::create_directories(folder);
    std::ofstream(std::filesystem::path(folder) / (title + ".txt"))
        << title << ": " << report.controls << " controls, " << report.unnamed.size() << " without a name\n"
        << report.dump;
}

void ExpectEveryControlNamed(const std::string& title, const AccessibleObject& window) {
    const WindowReport report = ReportOnWindow(window);
    KeepDump(title, report);
    EXPECT_GT(report.controls, 1) << title;
    EXPECT_TRUE(report.unnamed.empty()) << title << ": " << report.unnamed.size() << " of " << report.controls
                                        << " controls have no name\n"
                                        << report.dump;
}

// One window of the program, opened from the main window by its keys.
struct NamedWindows {
    std::string name;  // of the test
    std::string keys;  // in the main window; empty: the logon dialog itself
    // The windows that open, by their accessible names (regular expressions),
    // with a key to send to each before the next is looked for (empty for
    // none): a question answered, say.
    std::vector<std::pair<std::string, std::string>> windows;
};

void PrintTo(const NamedWindows& opened, std::ostream* out) {
    *out << opened.name;
}

class EveryControlTest : public ScreenReaderTest, public ::testing::WithParamInterface<NamedWindows> {};

TEST_P(EveryControlTest, HasANameAScreenReaderAnnounces) {
    const NamedWindows& opened = GetParam();
    if (opened.keys.empty()) {
        Start();
        if (HasFatalFailure()) return;
    } else {
        LogOn();
        if (HasFatalFailure()) return;
        if (opened.keys != "-") session->Key(main, opened.keys);
    }
    for (const auto& [pattern, answer] : opened.windows) {
        const AccessibleObject window = Window(pattern);
        if (HasFailure()) return;
        reader->Listen(milliseconds(300));  // the window's first texts
        std::string title = opened.name + " - " + window.Name();
        ExpectEveryControlNamed(title, window);
        if (!answer.empty()) session->KeyToFocused(answer);
    }
}

const std::vector<NamedWindows> kWindows = {
    {"Logon", "", {{"^Log on$", ""}}},
    {"MainWindow", "-", {{"^ZQ Typing Tutor$", ""}}},
    {"ProfileDialog", "alt+r", {{"^Profile$", ""}}},
    {"CourseDrill",
     "alt+c",
     {{"^Course$", ""}, {"^On-screen keyboard$", ""}, {"^Left hand$", ""}, {"^Right hand$", ""}}},
    {"SentenceDrill", "alt+s", {{"^Sentence Drills$", ""}}},
    {"FreeDrill", "alt+f", {{"^Free Drills$", "Return"}, {"^Free Drills$", ""}}},
    {"ParagraphDrill", "alt+p", {{"^Text drill$", ""}}},
    {"AdaptiveDrill", "alt+a", {{"^Adaptive Drill$", ""}}},
    {"ProgressWindow", "alt+t", {{"^Progress", ""}}},
    {"Game", "alt+g", {{"^Input Box$", "Return"}, {"^Game$", ""}}},
};

INSTANTIATE_TEST_SUITE_P(Windows, EveryControlTest, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace zq::e2e
