// The program as a screen reader finds it: the real program on the test X
// display, with its accessibility on, read through ./test's private
// accessibility bus as Orca reads a desktop's.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>

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
        const std::optional<std::string> bus = TestAccessibilityBus();
        if (!bus) GTEST_SKIP() << "no private accessibility bus (ZQ_TEST_ACCESSIBILITY_BUS)";
        // The reader and the program meet on the private session bus.
        setenv("DBUS_SESSION_BUS_ADDRESS", bus->c_str(), 1);
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
        std::optional<AccessibleObject> window =
            reader->WaitForWindow(*application, namePattern, kWindowTimeout);
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
    EXPECT_TRUE(report.unnamed.empty())
        << title << ": " << report.unnamed.size() << " of " << report.controls << " controls have no name\n"
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

// --- the focus goes through a window as its controls are read ----------------------

struct FocusStop {
    std::string name;
    Extents place;
};

std::ostream& operator<<(std::ostream& out, const FocusStop& stop) {
    return out << "\"" << stop.name << "\" at " << stop.place.x << "," << stop.place.y << " ("
               << stop.place.width << "x" << stop.place.height << ")";
}

// Whether `next` comes after `previous` as a page is read: starting on a
// lower row, or further right on the same row. Where a control starts counts,
// not its middle: a tab pane holding the controls below its tabs starts
// above them.
bool ComesAfter(const Extents& previous, const Extents& next) {
    const int rowTolerance = std::min(previous.height, next.height) / 2;
    if (std::abs(next.y - previous.y) <= rowTolerance) return next.x >= previous.x;
    return next.y > previous.y;
}

class FocusOrderTest : public ScreenReaderTest {
protected:
    // The control with the focus in a window (the outermost of a control
    // and its inner parts), once it differs from `other`.
    std::optional<FocusStop> FocusedOtherThan(const AccessibleObject& window, const std::string& otherName,
                                              const std::optional<Extents>& otherPlace) {
        std::optional<FocusStop> stop;
        reader->WaitUntil(
            [&] {
                const std::optional<AccessibleObject> focused =
                    window.Find([](const AccessibleObject& object) {
                        // A tab bar's current tab says it has the focus
                        // whatever has it: the bar itself tells when it has.
                        return object.Focused() && object.Role() != "page tab";
                    });
                if (!focused) return false;
                const std::optional<Extents> place = focused->Place();
                if (!place) return false;
                const bool moved = focused->AnnouncedName() != otherName || !otherPlace ||
                                   place->x != otherPlace->x || place->y != otherPlace->y;
                if (moved) stop = FocusStop{focused->AnnouncedName(), *place};
                return moved;
            },
            milliseconds(5000));
        return stop;
    }

    // Tab from the control that has the focus until the focus comes back to
    // it: every stop on the way.
    std::vector<FocusStop> TabRound(const AccessibleObject& window, const std::string& xWindow) {
        std::vector<FocusStop> stops;
        std::optional<FocusStop> first = FocusedOtherThan(window, "", std::nullopt);
        if (!first) return stops;
        stops.push_back(*first);
        for (int i = 0; i < 40; ++i) {
            session->Key(xWindow, "Tab");
            std::optional<FocusStop> next = FocusedOtherThan(window, stops.back().name, stops.back().place);
            if (!next) break;
            if (next->name == first->name && next->place.x == first->place.x &&
                next->place.y == first->place.y)
                break;
            stops.push_back(*next);
        }
        return stops;
    }

    // The stops from the top left on: after the one that came last in
    // reading order the round goes back to the first.
    void ExpectReadingOrder(std::vector<FocusStop> stops) {
        ASSERT_GT(stops.size(), 2u);
        std::ostringstream round;
        for (const FocusStop& stop : stops) round << "\n  " << stop;
        SCOPED_TRACE("the stops: " + round.str());
        std::size_t wrap = 0;
        for (std::size_t i = 1; i < stops.size(); ++i) {
            if (!ComesAfter(stops[i - 1].place, stops[i].place)) {
                EXPECT_EQ(wrap, 0u) << "the focus goes back twice: at " << stops[wrap] << " and at "
                                    << stops[i];
                wrap = i;
            }
        }
        std::rotate(stops.begin(), stops.begin() + static_cast<std::ptrdiff_t>(wrap), stops.end());
        for (std::size_t i = 1; i < stops.size(); ++i) {
            EXPECT_TRUE(ComesAfter(stops[i - 1].place, stops[i].place))
                << stops[i] << " comes after " << stops[i - 1] << " in the focus order but not on the screen";
        }
    }
};

TEST_F(FocusOrderTest, TheLogonDialogIsReadTopToBottom) {
    Start();
    if (HasFatalFailure()) return;
    const AccessibleObject logon = Window("^Log on$");
    const std::vector<FocusStop> stops = TabRound(logon, session->WaitForWindow("^Log on"));
    std::vector<std::string> names;
    for (const FocusStop& stop : stops) names.push_back(stop.name);
    EXPECT_THAT(names, ::testing::ElementsAre("Profile:", "OK", "Add User", "Exit", "Read the manual"));
    ExpectReadingOrder(stops);
}

TEST_F(FocusOrderTest, TheMainWindowIsReadTopToBottom) {
    LogOn();
    if (HasFatalFailure()) return;
    const std::vector<FocusStop> stops = TabRound(Window("^ZQ Typing Tutor$"), main);
    EXPECT_EQ(stops.size(), 10u) << "the ten buttons";
    ExpectReadingOrder(stops);
}

TEST_F(FocusOrderTest, TheProfileDialogIsReadTopToBottom) {
    LogOn();
    if (HasFatalFailure()) return;
    session->Key(main, "alt+r");
    const AccessibleObject dialog = Window("^Profile$");
    const std::vector<FocusStop> stops = TabRound(dialog, session->WaitForWindow("^Profile"));
    EXPECT_GT(stops.size(), 12u) << "the header's boxes, the tabs, the first tab's controls, the buttons";
    ExpectReadingOrder(stops);
}

TEST_F(FocusOrderTest, TheNumberBoxIsReadTopToBottom) {
    LogOn();
    if (HasFatalFailure()) return;
    session->Key(main, "alt+g");
    const AccessibleObject box = Window("^Input Box$");
    const std::vector<FocusStop> stops = TabRound(box, session->WaitForWindow("^Input Box"));
    std::vector<std::string> names;
    for (const FocusStop& stop : stops) names.push_back(stop.name);
    EXPECT_THAT(names, ::testing::ElementsAre("Set difficulty (1-10).", "OK"));
}

// --- a learner who cannot see -------------------------------------------------------

// The key of the keyboard a screen reader finds selected, by its name.
std::string SelectedKey(const AccessibleObject& keyboard) {
    std::optional<AccessibleObject> key = keyboard.Find(
        [](const AccessibleObject& object) { return object.Role() == "push button" && object.Selected(); });
    return key ? key->Name() : std::string();
}

// How xdotool names the key of a character of the course's first lines.
std::string XdotoolKey(char character) {
    return character == ' ' ? "space" : std::string(1, character);
}

TEST_F(ScreenReaderTest, TheOnScreenKeyboardTellsTheLitKeyAndItsFinger) {
    LogOn();
    if (HasFatalFailure()) return;
    session->Key(main, "alt+c");
    const std::string drill = session->WaitForWindow("^Course");
    const AccessibleObject keyboard = Window("^On-screen keyboard$");
    ASSERT_GT(keyboard.ChildCount(), 50) << "the keys of the English course's keyboard";
    EXPECT_TRUE(reader->WaitUntil([&] { return SelectedKey(keyboard) == "f, Shift F"; }, milliseconds(5000)))
        << SelectedKey(keyboard);
    EXPECT_EQ(keyboard.Description(), "Next key: f, Shift F, left index finger");

    // "fff jjj": after three f the space bar, then j.
    reader->ForgetEvents();
    for (const char* key : {"f", "f", "f"}) session->Key(drill, key);
    EXPECT_TRUE(reader->WaitUntil([&] { return SelectedKey(keyboard) == "space"; }, milliseconds(5000)))
        << SelectedKey(keyboard);
    EXPECT_EQ(keyboard.Description(), "Next key: space, right thumb");
    session->Key(drill, "space");
    EXPECT_TRUE(reader->WaitUntil([&] { return SelectedKey(keyboard) == "j, Shift J"; }, milliseconds(5000)));
    EXPECT_EQ(keyboard.Description(), "Next key: j, Shift J, right index finger");

    // The reader heard each move: the key that lost the light, the key that took it.
    std::vector<std::string> moves;
    for (const HeardEvent& event : reader->Events()) {
        if (event.type == "object:state-changed:selected" && event.sourceRole == "push button")
            moves.push_back((event.detail1 ? "+" : "-") + event.sourceName);
    }
    EXPECT_THAT(moves, ::testing::ElementsAre("-f, Shift F", "+space", "-space", "+j, Shift J"));

    const AccessibleObject left = Window("^Left hand$");
    const AccessibleObject right = Window("^Right hand$");
    EXPECT_EQ(right.Description(), "Finger to use: right index finger");
    EXPECT_EQ(left.Description(), "");
}

// Only the keyboard, and what the screen reader tells: the learner logs on,
// opens the course with the key the main window's button tells, hears the
// line to type when the drill opens, types it with the lit key checked
// before every key, and hears the line's results.
TEST_F(ScreenReaderTest, ALearnerWhoCannotSeeCompletesACourseLine) {
    Start();
    if (HasFatalFailure()) return;
    const AccessibleObject logon = Window("^Log on$");
    std::optional<AccessibleObject> focused;
    // Under load the box may be focused a moment before it shows the last
    // user: the reader waits for the logon to settle.
    const bool settled = reader->WaitUntil(
        [&] {
            focused = logon.Find([](const AccessibleObject& object) { return object.Focused(); });
            return focused.has_value() && focused->Name() == "Default";
        },
        milliseconds(10000));
    ASSERT_TRUE(focused.has_value()) << "nothing focused in the logon";
    EXPECT_TRUE(settled);
    EXPECT_EQ(focused->AnnouncedName(), "Profile:");
    EXPECT_EQ(focused->Name(), "Default") << "the profile box, with the last user";
    const std::optional<AccessibleObject> ok =
        logon.Find([](const AccessibleObject& object) { return object.Name() == "OK"; });
    ASSERT_TRUE(ok);
    session->KeyToFocused("Return");  // the default button

    const AccessibleObject mainWindow = Window("^ZQ Typing Tutor$");
    const std::optional<AccessibleObject> course = mainWindow.Find([](const AccessibleObject& object) {
        return object.Role() == "push button" && object.Name() == "Course";
    });
    ASSERT_TRUE(course);
    // "<Alt>c", or "Alt+C": the key that presses the button.
    const std::optional<char> letter = AltLetterOf(*course);
    ASSERT_TRUE(letter) << "the Course button tells no key: \"" << course->KeyBinding("Press") << "\"";
    const std::string mainWindowId = session->WaitForWindow("^ZQ Typing Tutor$");
    session->Key(mainWindowId, std::string("alt+") + *letter);

    const AccessibleObject drill = Window("^Course$");
    const std::optional<AccessibleObject> input = reader->WaitForFocused(drill, "text", milliseconds(5000));
    ASSERT_TRUE(input);
    EXPECT_EQ(input->Name(), "Your typing");
    const std::string description = input->Description();
    ASSERT_EQ(description.rfind("To type: ", 0), 0u) << description;
    const std::string line = description.substr(std::string("To type: ").size());
    ASSERT_FALSE(line.empty());

    const AccessibleObject keyboard = Window("^On-screen keyboard$");
    const std::string drillId = session->WaitForWindow("^Course");
    reader->ForgetEvents();
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char character = line[i];
        // The lit key is the one of the character to type.
        const std::string expected = character == ' ' ? "space" : std::string(1, character) + ", Shift ";
        EXPECT_TRUE(reader->WaitUntil([&] { return SelectedKey(keyboard).rfind(expected, 0) == 0; },
                                      milliseconds(5000)))
            << "character " << i + 1 << " '" << character << "': the reader finds \"" << SelectedKey(keyboard)
            << "\" lit";
        session->Key(drillId, XdotoolKey(character));
    }
    session->Key(drillId, "space");  // the key after the line's last character ends it

    // The results, spoken as they come.
    const std::regex results(R"(Keys/Min: \d+ +Accuracy: (\d+)% +WPM: \d+)");
    std::string heard;
    EXPECT_TRUE(reader->WaitUntil(
        [&] {
            for (const HeardEvent& event : reader->Events()) {
                if (event.type == "object:state-changed:showing" && event.detail1 == 1 &&
                    event.sourceRole == "notification" && std::regex_search(event.sourceName, results))
                    heard = event.sourceName;
            }
            return !heard.empty();
        },
        milliseconds(10000)))
        << "no results were spoken";
    std::smatch accuracy;
    ASSERT_TRUE(std::regex_search(heard, accuracy, results));
    EXPECT_EQ(accuracy[1].str(), "100");
    // The next line is the one the input box now tells.
    EXPECT_TRUE(reader->WaitUntil([&] { return input->Description() != description; }, milliseconds(5000)));
    EXPECT_EQ(input->Description().rfind("To type: ", 0), 0u);
}

}  // namespace
}  // namespace zq::e2e
