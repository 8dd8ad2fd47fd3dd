// A learner who listens: the real program, with speech switched on in the
// profile, says through ./test's private speech service what a course drill
// asks for. The test types as such a learner does, one key at a time, each
// after the voice has said what the key brought, and reads what was said
// from the service's log, in English and in French.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <memory>
#include <regex>
#include <thread>

#include "ProgramSession.h"
#include "base/IniFile.h"
#include "support/SpokenLog.h"

namespace zq::e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::MatchesRegex;
using testing::SpokenLog;

// The first line of a course file, as the drill shows it.
std::string FirstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line;
}

// What a learner hears in one language of the program.
struct Hearing {
    std::string name;                    // of the test
    std::string argument;                // the program's language argument
    std::string course;                  // the course folder, of the same language
    std::string language;                // the language the voice is asked for
    std::string logonTitle;              // the logon dialog's title
    std::string courseKey;               // the main window's key for the course drill
    std::string courseTitle;             // the course drill's title
    std::vector<std::string> start;      // the line's number and its first character
    std::vector<std::string> firstFive;  // after each of the first five keys ("fff j")
    std::vector<std::string> wrongKey;   // after "x" where "j" is expected
    std::string endOfLine;               // after the line's last character
    std::string figures;                 // a regular expression: the completed line's figures
    std::vector<std::string> nextLine;   // its number and first character
};

const Hearing kEnglish{"English",
                       "",
                       "English",
                       "en",
                       "^Log on",
                       "alt+c",
                       "^Course",
                       {"line 1", "f"},
                       {"f", "f", "space", "j", "j"},
                       {"wrong: x", "j"},
                       "end of line",
                       "[0-9]+ keys per minute, accuracy 97 percent, [0-9]+ words per minute",
                       {"line 2", "j"}};

const Hearing kFrench{"French",
                      "fr",
                      "Francais",
                      "fr",
                      "^Connexion",
                      "alt+c",
                      "^Cours",
                      {"ligne 1", "f"},
                      {"f", "f", "espace", "j", "j"},
                      {"faux : x", "j"},
                      "fin de ligne",
                      "[0-9]+ frappes par minute, précision 97 pour cent, [0-9]+ mots par minute",
                      {"ligne 2", "j"}};

class SpeechTest : public ::testing::TestWithParam<Hearing> {
protected:
    void SetUp() override {
        const std::optional<std::string> display = TestDisplay();
        if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
        log = SpokenLog::OfTheTestService();
        if (!log) GTEST_SKIP() << "no private speech service (ZQ_TEST_SPEECH_LOG)";
        ASSERT_TRUE(log->WaitUntilQuiet()) << "the speech service never fell quiet";
        session = std::make_unique<ProgramSession>(*display);
        IniFile profiles(session->Path("zqc.ini"));
        profiles.WriteString("Default", "Speak", "1");
        profiles.WriteString("Default", "Course", GetParam().course);
    }

    // Sends keys and waits until the voice has said `count` more lines, as
    // a learner who listens before the next key does (more slowly than a
    // fast typist, who hears words instead of characters); what it said
    // since the keys.
    std::vector<std::string> KeysHeard(const std::string& window, const std::string& keys,
                                       std::size_t count) {
        log->Mark();
        const auto sent = std::chrono::steady_clock::now();
        session->Key(window, keys);
        EXPECT_TRUE(log->WaitForHeard(count, 10000)) << "after " << keys;
        std::this_thread::sleep_until(sent + std::chrono::milliseconds(700));  // and nothing more comes
        return log->HeardTexts();
    }

    std::optional<SpokenLog> log;
    std::unique_ptr<ProgramSession> session;
};

TEST_P(SpeechTest, ACourseDrillSaysEachNextCharacterAWrongKeyAndTheEndOfTheLine) {
    const Hearing& hearing = GetParam();
    const std::string line = FirstLine(session->Path("Courses/" + hearing.course + "/course.txt"));
    ASSERT_EQ(line.substr(0, 7), "fff jjj") << "the course's first line changed: change the texts heard";

    log->Mark();
    const std::size_t before = log->Lines().size();
    session->Start(hearing.argument.empty() ? std::vector<std::string>{} : std::vector{hearing.argument});
    const std::string logon = session->WaitForWindow(hearing.logonTitle);
    ASSERT_FALSE(logon.empty()) << "the logon dialog did not appear";
    session->Key(logon, "Return");
    const std::string main = session->WaitForWindow("^ZQ Typing Tutor$");
    ASSERT_FALSE(main.empty());
    session->Key(main, hearing.courseKey);
    const std::string drill = session->WaitForWindow(hearing.courseTitle);
    ASSERT_FALSE(drill.empty()) << "the course drill did not open";
    ASSERT_TRUE(log->WaitForHeard(2, 15000));
    EXPECT_THAT(log->HeardTexts(), ElementsAreArray(hearing.start));

    std::vector<std::string> firstFive;
    for (const char* key : {"f", "f", "f", "space", "j"}) {
        const std::vector<std::string> heard = KeysHeard(drill, key, 1);
        firstFive.insert(firstFive.end(), heard.begin(), heard.end());
    }
    EXPECT_THAT(firstFive, ElementsAreArray(hearing.firstFive));
    EXPECT_THAT(KeysHeard(drill, "x", 2), ElementsAreArray(hearing.wrongKey));

    // The rest of the line at a typist's pace, and the key that completes it.
    log->Mark();
    session->Type(drill, line.substr(6));
    const auto ended = [&] { return !log->Heard().empty() && log->HeardTexts().back() == hearing.endOfLine; };
    for (int look = 0; look < 1000 && !ended(); ++look)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(ended()) << "the end of the line was not said";
    const std::vector<std::string> end = KeysHeard(drill, "space", 3);
    ASSERT_EQ(end.size(), 3u);
    EXPECT_THAT(end[0], MatchesRegex(hearing.figures));
    EXPECT_THAT(std::vector(end.begin() + 1, end.end()), ElementsAreArray(hearing.nextLine));

    const std::string mapped = session->MappedFiles();
    EXPECT_THAT(mapped, ::testing::HasSubstr("zq-speech.so"));
    EXPECT_THAT(mapped, ::testing::HasSubstr("libQt6TextToSpeech"));

    const std::vector<testing::SpokenLine> said = log->Lines();
    for (std::size_t line = before; line < said.size(); ++line)
        EXPECT_EQ(said[line].language, hearing.language) << said[line].text;

    session->Key(drill, "Escape");
    ASSERT_TRUE(session->WaitUntilGone(hearing.courseTitle));
    session->Signal(SIGTERM);  // the session ends: the run is stored without a question
    EXPECT_EQ(session->WaitForExit(std::chrono::seconds(15)), 0);
}

// Speech switched off, as in every profile that lacks the key: the program
// runs a drill without loading anything of speech, and says nothing.
TEST(SpeechOff, ACourseDrillLoadsNothingOfSpeechAndSaysNothing) {
    const std::optional<std::string> display = TestDisplay();
    if (!display) GTEST_SKIP() << "no test X display (ZQ_TEST_X_DISPLAY) or no xdotool";
    std::optional<SpokenLog> log = SpokenLog::OfTheTestService();
    if (log) {
        ASSERT_TRUE(log->WaitUntilQuiet()) << "the speech service never fell quiet";
        log->Mark();
    }
    ProgramSession session(*display);
    session.Start();
    const std::string logon = session.WaitForWindow("^Log on");
    ASSERT_FALSE(logon.empty());
    session.Key(logon, "Return");
    const std::string main = session.WaitForWindow("^ZQ Typing Tutor$");
    ASSERT_FALSE(main.empty());
    session.Key(main, "alt+c");
    const std::string drill = session.WaitForWindow("^Course");
    ASSERT_FALSE(drill.empty());
    session.Type(drill, "fff j");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));

    const std::string mapped = session.MappedFiles();
    ASSERT_THAT(mapped, ::testing::HasSubstr("libQt6Widgets")) << "the program's memory was read";
    EXPECT_THAT(mapped, ::testing::Not(::testing::HasSubstr("zq-speech.so")));
    EXPECT_THAT(mapped, ::testing::Not(::testing::HasSubstr("libQt6TextToSpeech")));
    EXPECT_THAT(mapped, ::testing::Not(::testing::HasSubstr("libspeechd")));
    if (log) {
        EXPECT_THAT(log->HeardTexts(), ::testing::IsEmpty());
    }

    session.Key(drill, "Escape");
    ASSERT_TRUE(session.WaitUntilGone("^Course"));
    session.Signal(SIGTERM);
    EXPECT_EQ(session.WaitForExit(std::chrono::seconds(15)), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, SpeechTest, ::testing::Values(kEnglish, kFrench),
                         [](const ::testing::TestParamInfo<Hearing>& info) { return info.param.name; });

}  // namespace
}  // namespace zq::e2e
