#include "speech/SpeechQueue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

namespace zq {
namespace {

using ::testing::ElementsAre;

// Writes down what it was told to say; the test ends each utterance.
class ScriptedEngine : public SpeechEngine {
public:
    void Speak(const Utterance& utterance) override { spoken.push_back(utterance.text); }
    std::vector<std::string> spoken;
};

Utterance Say(std::string text) {
    return {std::move(text), {"en", 0}};
}

class SpeechQueueTest : public ::testing::Test {
protected:
    SpeechQueueTest() {
        queue.SetEngine(&engine);
        queue.SetFailureHandler([this](SpeechProblem problem) { failures.push_back(problem); });
    }
    ScriptedEngine engine;
    SpeechQueue queue;
    std::vector<SpeechProblem> failures;
};

TEST_F(SpeechQueueTest, UtterancesSaidNextWaitUntilTheOneBeforeIsDone) {
    queue.SayNext(Say("line 1"));
    queue.SayNext(Say("f"));
    EXPECT_THAT(engine.spoken, ElementsAre("line 1"));
    EXPECT_EQ(queue.Waiting(), 1u);
    queue.SpeechDone();
    EXPECT_THAT(engine.spoken, ElementsAre("line 1", "f"));
    queue.SpeechDone();
    EXPECT_FALSE(queue.Speaking());
    queue.SayNext(Say("j"));
    EXPECT_THAT(engine.spoken, ElementsAre("line 1", "f", "j")) << "an idle voice speaks at once";
}

TEST_F(SpeechQueueTest, AnUtteranceSaidNowCutsOffTheOneBeingSaidAndDropsThoseWaiting) {
    queue.SayNext(Say("statistics"));
    queue.SayNext(Say("line 2"));
    queue.SayNext(Say("j"));
    queue.SayNow(Say("wrong: d"));
    EXPECT_THAT(engine.spoken, ElementsAre("statistics", "wrong: d"));
    EXPECT_EQ(queue.Waiting(), 0u);
    queue.SayNext(Say("k"));
    queue.SpeechDone();
    EXPECT_THAT(engine.spoken, ElementsAre("statistics", "wrong: d", "k"));
}

TEST_F(SpeechQueueTest, EmptyTextsAreNeverSpokenAndOldNewsMakesRoom) {
    queue.SayNow(Say(""));
    queue.SayNext(Say(""));
    EXPECT_TRUE(engine.spoken.empty());
    EXPECT_FALSE(queue.Speaking());
    queue.SayNow(Say("first"));
    for (int word = 0; word < 20; ++word) queue.SayNext(Say("word " + std::to_string(word)));
    EXPECT_EQ(queue.Waiting(), SpeechQueue::kMostWaiting);
    queue.SpeechDone();
    EXPECT_EQ(engine.spoken.back(), "word 12") << "the oldest words made room for the newest";
}

TEST_F(SpeechQueueTest, AFailedEngineIsToldOnceAndNothingIsSaidAfterwards) {
    queue.SayNow(Say("a"));
    queue.SayNext(Say("b"));
    queue.SpeechFailed(SpeechProblem::ServiceLost);
    queue.SpeechFailed(SpeechProblem::ServiceLost);
    EXPECT_THAT(failures, ElementsAre(SpeechProblem::ServiceLost));
    queue.SayNow(Say("c"));
    queue.SpeechDone();
    EXPECT_THAT(engine.spoken, ElementsAre("a"));
}

TEST(SpeechQueue, WithoutAnEngineNothingWaits) {
    SpeechQueue queue;
    queue.SayNext(Utterance{"a", {}});
    EXPECT_EQ(queue.Waiting(), 0u);
    EXPECT_FALSE(queue.Speaking());
}

}  // namespace
}  // namespace zq
