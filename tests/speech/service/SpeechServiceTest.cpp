// The program's speaker with its real speech module, heard through the
// private speech-dispatcher of ./test; and what it tells when there is no
// module or no service.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/ui/SpeechModuleOutput.h"
#include "support/SpokenLog.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using testing::SpokenLog;

const std::string kModulesFolder = ZQ_PROGRAM_DIR "/";

void RunEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool RunEventsUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs) {
        RunEvents();
        QThread::msleep(1);
    }
    return condition();
}

// Sets an environment variable for as long as it lives.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* before = std::getenv(name)) before_ = before;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (before_) {
            setenv(name_, before_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> before_;
};

class SpeechServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        log = SpokenLog::OfTheTestService();
        if (!log) GTEST_SKIP() << "no private speech service (ZQ_TEST_SPEECH_LOG): run ./test";
        ASSERT_TRUE(log->WaitUntilQuiet()) << "the speech service never fell quiet";
        log->Mark();
    }
    std::optional<SpokenLog> log;
    std::vector<SpeechProblem> problems;
};

TEST_F(SpeechServiceTest, TheModuleSaysEachTextWithTheVoiceOfItsLanguage) {
    const auto speaker = SpeechModuleOutput::FromModulesFolder(
        kModulesFolder, [this](SpeechProblem problem) { problems.push_back(problem); });
    speaker->SayNext({"capital A", {"en", 0}});
    ASSERT_TRUE(log->WaitForHeard(1, 10000, RunEvents));
    speaker->SayNext({"A majuscule", {"fr", 4}});
    ASSERT_TRUE(log->WaitForHeard(2, 5000, RunEvents)) << "heard: " << log->Heard().size();
    const std::vector<testing::SpokenLine> heard = log->Heard();
    EXPECT_EQ(heard[0].language, "en");
    EXPECT_EQ(heard[0].text, "capital A");
    EXPECT_EQ(heard[1].language, "fr");
    EXPECT_EQ(heard[1].text, "A majuscule");
    EXPECT_TRUE(problems.empty());
}

TEST_F(SpeechServiceTest, TextsSaidInTurnAreEachHeardWhole) {
    const auto speaker = SpeechModuleOutput::FromModulesFolder(kModulesFolder, [](SpeechProblem) {});
    for (const char* text : {"line 1", "f", "l'été \"quote\" $HOME `id`"})
        speaker->SayNext({text, {"fr", 0}});
    ASSERT_TRUE(log->WaitForHeard(3, 10000, RunEvents)) << "heard: " << log->Heard().size();
    RunEventsUntil([] { return false; }, 100);
    EXPECT_THAT(log->HeardTexts(), ElementsAre("line 1", "f", "l'été \"quote\" $HOME `id`"))
        << "in turn, none cut off by the next, and no text taken for a command";
}

TEST(SpeechProblems, WithoutAServiceTheSpeakerTellsOnceAndSaysNothing) {
    // No server at this address, and none started in its place.
    test::TempFolder folder;
    std::filesystem::create_directories(folder.Dir() + "speech-dispatcher");
    std::ofstream(folder.Dir() + "speech-dispatcher/speechd.conf") << "DisableAutoSpawn\n";
    const ScopedVariable address("SPEECHD_ADDRESS", "unix_socket:" + folder.Dir() + "nobody.sock");
    const ScopedVariable config("XDG_CONFIG_HOME", folder.Dir());
    std::vector<SpeechProblem> problems;
    const auto speaker = SpeechModuleOutput::FromModulesFolder(
        kModulesFolder, [&problems](SpeechProblem problem) { problems.push_back(problem); });
    speaker->SayNow({"unheard", {"en", 0}});
    ASSERT_TRUE(RunEventsUntil([&] { return !problems.empty(); }));
    speaker->SayNow({"unheard again", {"en", 0}});
    RunEventsUntil([] { return false; }, 100);
    EXPECT_THAT(problems, ElementsAre(SpeechProblem::NoSpeechService));
}

TEST(SpeechProblems, WithoutTheModuleTheSpeakerTellsOnce) {
    std::vector<SpeechProblem> problems;
    SpeechModuleOutput speaker("/nonexistent/zq-speech",
                               [&problems](SpeechProblem problem) { problems.push_back(problem); });
    speaker.SayNext({"unheard", {"en", 0}});
    ASSERT_TRUE(RunEventsUntil([&] { return !problems.empty(); }));
    EXPECT_THAT(problems, ElementsAre(SpeechProblem::NoModule));
}

}  // namespace
}  // namespace zq
