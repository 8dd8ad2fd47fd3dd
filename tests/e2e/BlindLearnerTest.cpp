// A learner who cannot see, with both helps on at once: the voice of the
// program (speech switched on in the profile, heard through ./test's private
// speech service) and a screen reader (./test's private accessibility bus).
// Only the keyboard is used, and only what the two tell is known: the
// learner logs on, opens the course drill by the key its button tells,
// types the first line one key at a time, each after hearing the next
// character and finding its key lit, and hears the line's results.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <regex>
#include <thread>

#include "ProgramSession.h"
#include "ScreenReader.h"
#include "base/IniFile.h"
#include "support/SpokenLog.h"

namespace zq::e2e {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::MatchesRegex;
using testing::SpokenLog;

constexpr milliseconds kWindowTimeout(15000);

// The key of the on-screen keyboard a screen reader finds selected.
std::string LitKey(const AccessibleObject& keyboard) {
    std::optional<AccessibleObject> key = keyboard.Find(
        [](const AccessibleObject& object) { return object.Role() == "push button" && object.Selected(); });
    return key ? key->Name() : std::string();
}

// What the voice calls a character of the course's first line.
std::string SpokenName(char character) {
    return character == ' ' ? "space" : std::string(1, character);
}

// The key's name as the reader gives it ("f, Shift F", "space").
bool IsKeyOf(const std::string& key, char character) {
    return character == ' ' ? key == "space" : key.rfind(std::string(1, character) + ", Shift ", 0) == 0;
}

class BlindLearnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::optional<std::string> display = TestDisplay();
        if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
        const std::optional<std::string> bus = TestAccessibilityBus();
        if (!bus) GTEST_SKIP() << "no private accessibility bus (ZQ_TEST_ACCESSIBILITY_BUS)";
        log = SpokenLog::OfTheTestService();
        if (!log) GTEST_SKIP() << "no private speech service (ZQ_TEST_SPEECH_LOG)";
        ASSERT_TRUE(log->WaitUntilQuiet()) << "the speech service never fell quiet";
        setenv("DBUS_SESSION_BUS_ADDRESS", bus->c_str(), 1);
        session = std::make_unique<ProgramSession>(*display);
        session->SetVariable("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        IniFile profiles(session->Path("zqc.ini"));
        profiles.WriteString("Default", "Speak", "1");
        profiles.WriteString("Default", "Course", "English");
        reader = std::make_unique<ScreenReader>();
    }

    AccessibleObject Window(const std::string& namePattern) {
        std::optional<AccessibleObject> window =
            reader->WaitForWindow(*application, namePattern, kWindowTimeout);
        EXPECT_TRUE(window) << "no window named " << namePattern;
        return window ? *window : *application;
    }

    // Waits for the voice to say `count` lines since the mark, and a little
    // longer, as a learner who listens before the next key does (more
    // slowly than a fast typist, who would hear words).
    std::vector<std::string> Heard(std::size_t count) {
        EXPECT_TRUE(log->WaitForHeard(count, 10000)) << "the voice said less than " << count << " lines";
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        return log->HeardTexts();
    }

    std::optional<SpokenLog> log;
    std::unique_ptr<ProgramSession> session;
    std::unique_ptr<ScreenReader> reader;
    std::optional<AccessibleObject> application;
};

TEST_F(BlindLearnerTest, CompletesACourseLineByWhatTheVoiceAndTheScreenReaderTell) {
    log->Mark();
    session->Start();
    application = reader->WaitForApplication(session->ProcessId(), kWindowTimeout);
    ASSERT_TRUE(application) << "the program did not appear on the accessibility bus";

    // The logon: the reader finds the profile box focused, with the last user.
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
    EXPECT_EQ(focused->Name(), "Default");
    session->KeyToFocused("Return");

    // The main window: the Course button tells the key that presses it.
    const AccessibleObject mainWindow = Window("^ZQ Typing Tutor$");
    const std::optional<AccessibleObject> course = mainWindow.Find([](const AccessibleObject& object) {
        return object.Role() == "push button" && object.Name() == "Course";
    });
    ASSERT_TRUE(course);
    const std::optional<char> letter = AltLetterOf(*course);
    ASSERT_TRUE(letter) << "the Course button tells no key: \"" << course->KeyBinding("Press") << "\"";
    const std::string mainWindowId = session->WaitForWindow("^ZQ Typing Tutor$");
    session->Key(mainWindowId, std::string("alt+") + *letter);

    // The drill: the reader tells the line to type, the voice its number
    // and its first character.
    const AccessibleObject drill = Window("^Course$");
    const std::optional<AccessibleObject> input = reader->WaitForFocused(drill, "text", milliseconds(5000));
    ASSERT_TRUE(input);
    const std::string description = input->Description();
    ASSERT_EQ(description.rfind("To type: ", 0), 0u) << description;
    const std::string line = description.substr(std::string("To type: ").size());
    ASSERT_FALSE(line.empty());
    EXPECT_THAT(Heard(2), ElementsAre("line 1", SpokenName(line[0])));

    const AccessibleObject keyboard = Window("^On-screen keyboard$");
    const std::string drillId = session->WaitForWindow("^Course");
    reader->ForgetEvents();
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char character = line[i];
        SCOPED_TRACE("character " + std::to_string(i + 1) + " '" + std::string(1, character) + "'");
        EXPECT_TRUE(
            reader->WaitUntil([&] { return IsKeyOf(LitKey(keyboard), character); }, milliseconds(5000)))
            << "the reader finds \"" << LitKey(keyboard) << "\" lit";
        log->Mark();
        session->Key(drillId, character == ' ' ? "space" : std::string(1, character));
        // What the voice says next: the next character, or the line's end
        // (and, should the learner wait, the finger to use).
        const std::string next = i + 1 < line.size() ? SpokenName(line[i + 1]) : "end of line";
        EXPECT_THAT(Heard(1), Contains(next));
    }

    // The key after the last character ends the line: the voice says the
    // figures and the next line, the reader the results.
    log->Mark();
    session->Key(drillId, "space");
    const std::vector<std::string> end = Heard(3);
    ASSERT_EQ(end.size(), 3u);
    EXPECT_THAT(end[0],
                MatchesRegex("[0-9]+ keys per minute, accuracy 100 percent, [0-9]+ words per minute"));
    EXPECT_EQ(end[1], "line 2");
    const std::regex results(R"(Keys/Min: \d+ +Accuracy: 100% +WPM: \d+)");
    EXPECT_TRUE(reader->WaitUntil(
        [&] {
            for (const HeardEvent& event : reader->Events()) {
                if (event.type == "object:state-changed:showing" && event.detail1 == 1 &&
                    event.sourceRole == "notification" && std::regex_search(event.sourceName, results))
                    return true;
            }
            return false;
        },
        milliseconds(10000)))
        << "the screen reader was told no results";
    EXPECT_TRUE(reader->WaitUntil([&] { return input->Description() != description; }, milliseconds(5000)))
        << "the reader tells the next line to type";

    session->Key(drillId, "Escape");
    ASSERT_TRUE(session->WaitUntilGone("^Course"));
    session->Signal(SIGTERM);
    EXPECT_EQ(session->WaitForExit(std::chrono::seconds(15)), 0);
}

}  // namespace
}  // namespace zq::e2e
