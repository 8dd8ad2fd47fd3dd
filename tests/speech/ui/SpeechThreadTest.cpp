#include "speech/ui/SpeechThread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <future>
#include <mutex>
#include <thread>

namespace zq {
namespace {

using ::testing::ElementsAre;

bool RunEventsUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return condition();
}

// What the engines of a test said, and on which thread.
struct Heard {
    std::mutex mutex;
    std::vector<std::string> texts;
    std::vector<QThread*> threads;

    void Add(const std::string& text) {
        const std::lock_guard lock(mutex);
        texts.push_back(text);
        threads.push_back(QThread::currentThread());
    }
    std::vector<std::string> Texts() {
        const std::lock_guard lock(mutex);
        return texts;
    }
};

// Says each utterance at once and is done with it a moment later, as a
// voice that speaks fast; or fails at its first utterance.
class QuickEngine : public SpeechEngine {
public:
    QuickEngine(Listener& listener, Heard& heard, bool fails)
        : listener_(listener), heard_(heard), fails_(fails) {}
    void Speak(const Utterance& utterance) override {
        if (fails_) {
            listener_.SpeechFailed(SpeechProblem::ServiceLost);
            return;
        }
        heard_.Add(utterance.text);
        QTimer::singleShot(1, &context_, [this] { listener_.SpeechDone(); });
    }

private:
    Listener& listener_;
    Heard& heard_;
    bool fails_;
    QObject context_;  // made on the speech thread, with the engine
};

Utterance Say(std::string text) {
    return {std::move(text), {"en", 0}};
}

TEST(SpeechThread, WhatAnyThreadSaysIsSpokenOnTheSpeechThreadInTheOrderSaid) {
    Heard heard;
    QThread* makingThread = nullptr;
    SpeechThread speaker(
        [&](SpeechEngine::Listener& listener, SpeechProblem&) {
            makingThread = QThread::currentThread();
            return std::make_unique<QuickEngine>(listener, heard, false);
        },
        [](SpeechProblem) { ADD_FAILURE() << "no problem here"; });
    speaker.SayNext(Say("line 1"));
    speaker.SayNext(Say("f"));
    std::thread game([&speaker] { speaker.SayNext(Say("alpha")); });
    game.join();
    ASSERT_TRUE(RunEventsUntil([&] { return heard.Texts().size() == 3; }));
    EXPECT_THAT(heard.Texts(), ElementsAre("line 1", "f", "alpha"));
    EXPECT_NE(makingThread, QThread::currentThread()) << "the engine is made on the speech thread";
    for (QThread* thread : heard.threads) EXPECT_EQ(thread, makingThread);
}

TEST(SpeechThread, WhatIsSaidWhileTheEngineIsBeingMadeIsSpokenOnceItIsThere) {
    Heard heard;
    // The engine is made only once the test has said everything: saying
    // that waited for the engine would never return.
    std::promise<void> everythingSaid;
    SpeechThread speaker(
        [&heard, said = everythingSaid.get_future().share()](SpeechEngine::Listener& listener,
                                                             SpeechProblem&) {
            said.wait();
            return std::make_unique<QuickEngine>(listener, heard, false);
        },
        [](SpeechProblem) {});
    speaker.SayNext(Say("line 1"));
    speaker.SayNow(Say("dropped by the next"));
    speaker.SayNow(Say("j"));
    everythingSaid.set_value();
    ASSERT_TRUE(RunEventsUntil([&] { return !heard.Texts().empty(); }));
    RunEventsUntil([] { return false; }, 50);
    EXPECT_THAT(heard.Texts(), ElementsAre("j")) << "what is said now drops what waits";
}

TEST(SpeechThread, AMachineThatCannotSpeakIsToldOnceOnTheMakingThread) {
    std::vector<SpeechProblem> problems;
    std::vector<QThread*> threads;
    SpeechThread speaker(
        [](SpeechEngine::Listener&, SpeechProblem& problem) {
            problem = SpeechProblem::NoSpeechPlugin;
            return std::unique_ptr<SpeechEngine>();
        },
        [&](SpeechProblem problem) {
            problems.push_back(problem);
            threads.push_back(QThread::currentThread());
        });
    speaker.SayNow(Say("unheard"));
    ASSERT_TRUE(RunEventsUntil([&] { return !problems.empty(); }));
    RunEventsUntil([] { return false; }, 50);
    EXPECT_THAT(problems, ElementsAre(SpeechProblem::NoSpeechPlugin));
    EXPECT_THAT(threads, ElementsAre(QThread::currentThread()));
}

TEST(SpeechThread, AnEngineThatFailsIsToldOnceAndNothingIsSpokenAfterwards) {
    Heard heard;
    std::vector<SpeechProblem> problems;
    SpeechThread speaker([&](SpeechEngine::Listener& listener,
                             SpeechProblem&) { return std::make_unique<QuickEngine>(listener, heard, true); },
                         [&](SpeechProblem problem) { problems.push_back(problem); });
    speaker.SayNow(Say("a"));
    speaker.SayNow(Say("b"));
    ASSERT_TRUE(RunEventsUntil([&] { return !problems.empty(); }));
    RunEventsUntil([] { return false; }, 50);
    EXPECT_THAT(problems, ElementsAre(SpeechProblem::ServiceLost));
    EXPECT_TRUE(heard.Texts().empty());
}

TEST(SpeechThread, AProblemFoundAfterTheSpeakerIsGoneIsToldToNobody) {
    bool told = false;
    {
        SpeechThread speaker(
            [](SpeechEngine::Listener&, SpeechProblem& problem) {
                problem = SpeechProblem::NoSpeechService;
                return std::unique_ptr<SpeechEngine>();
            },
            [&told](SpeechProblem) { told = true; });
        QThread::msleep(50);  // the speech thread has found the problem
    }
    RunEventsUntil([] { return false; }, 50);
    EXPECT_FALSE(told);
}

}  // namespace
}  // namespace zq
