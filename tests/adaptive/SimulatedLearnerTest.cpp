// A learner simulated through the adaptive drill's own logic: the drill
// judges every key they type, its lines go into a practice history as in
// the program, and the drill's lines follow what they typed. Each key has
// its own chance of being missed; every key takes the same time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "../drills/DrillFakes.h"
#include "../support/TempFolder.h"
#include "adaptive/AdaptiveLines.h"
#include "base/TextFile.h"
#include "course/Course.h"
#include "drills/AdaptivePractice.h"
#include "stats/DrillRecorder.h"
#include "stats/PracticeHistory.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::Contains;
using ::testing::HasSubstr;

class FakeKeysView : public AdaptiveKeysView {
public:
    void ShowKeysInPlay(const KeysInPlay& keys) override {
        shown = keys;
        if (!keys.change.empty()) changes.push_back(keys.change);
    }
    KeysInPlay shown;
    std::vector<std::string> changes;
};

class SimulatedLearnerTest : public ::testing::Test {
protected:
    SimulatedLearnerTest() {
        const Course english(std::string(ZQ_SOURCE_DIR) + "/data/", "English");
        AdaptiveSetup setup{.user = "Sam",
                            .course = "English",
                            .courseLines = ReadTextLines(english.CoursePath()),
                            .words = AdaptiveWordsOf(english),
                            .targetSpeed = 150,
                            .seed = 17};
        lines = std::make_unique<AdaptiveLines>(history, std::move(setup));
        drill.FormCreate();
        drill.SetRecorder(&recorder);
        drill.Practise(*lines);
    }

    // Types the drill's line as the learner would, and the key that ends it.
    void TypeLine() {
        const std::string sample = drill.Sample();
        for (const char expected : sample) {
            surroundings.clock.now += msPerKey;
            const auto missRate = missRates.find(expected);
            const bool missed = missRate != missRates.end() && chance(random) < missRate->second;
            auto key = static_cast<unsigned char>(missed ? '#' : expected);
            drill.InputEditKeyPress(key);
        }
        surroundings.clock.now += msPerKey;
        unsigned char end = ' ';
        drill.InputEditKeyPress(end);
        ASSERT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    }

    void TypeLines(int count) {
        for (int i = 0; i < count; ++i) TypeLine();
    }

    // The lines the drill gives next, typed: how often `key` comes in them
    // against the mean of the other keys in play.
    double RatioInNextLines(char key, int count) {
        std::map<char, double> counts;
        const std::string inPlay = lines->InPlay();
        for (int i = 0; i < count; ++i) {
            for (const char ch : drill.Sample()) counts[ch] += 1;
            TypeLine();
            EXPECT_EQ(lines->InPlay(), inPlay) << "no key joins while one is missed often";
        }
        double others = 0;
        for (const char other : inPlay)
            if (other != key) others += counts[other];
        return counts[key] / (others / static_cast<double>(inPlay.size() - 1));
    }

    TempFolder folder;
    PracticeHistory history{folder.File("zqstats.db"), [](const std::string& text) { FAIL() << text; }};
    DrillRecorder recorder{history, {"Sam", "English", DrillKind::Adaptive}};
    testing::DrillSurroundings surroundings;
    FakeKeysView keysView;
    AdaptivePractice drill{surroundings.view, keysView, surroundings.watch, surroundings.Guidance()};
    std::unique_ptr<AdaptiveLines> lines;

    std::map<char, double> missRates;
    std::int64_t msPerKey = 300;  // 200 keys a minute
    std::mt19937 random{5};
    std::uniform_real_distribution<double> chance{0.0, 1.0};
};

TEST_F(SimulatedLearnerTest, TheFocusMovesToTheKeyGivenTheHighestErrorRate) {
    missRates = {{'d', 0.25}, {'j', 0.05}};
    TypeLines(12);
    EXPECT_EQ(lines->Focus(), 'd');
    EXPECT_THAT(keysView.changes, Contains(HasSubstr("Focus: d")));
    EXPECT_TRUE(keysView.shown.keys[2].focus);
    EXPECT_EQ(keysView.shown.keys[2].caption, "d");

    // The learner gets d right from now on and starts missing k.
    missRates = {{'k', 0.3}};
    TypeLines(12);
    EXPECT_EQ(lines->Focus(), 'k');
    EXPECT_THAT(keysView.changes.back(), HasSubstr("Focus: k"));
}

TEST_F(SimulatedLearnerTest, TheFocusKeyComesAtLeastThreeTimesAsOftenAsTheOthersInTheNextTwentyLines) {
    missRates = {{'f', 0.25}};
    TypeLines(12);
    ASSERT_EQ(lines->Focus(), 'f');
    EXPECT_GE(RatioInNextLines('f', 20), 3.0);
    EXPECT_EQ(lines->Focus(), 'f');
}

TEST_F(SimulatedLearnerTest, AFocusAmongMoreKeysComesAtLeastThreeTimesAsOftenToo) {
    // A fast, accurate learner brings in the keys up to h, then misses h.
    while (lines->InPlay().size() < 10) TypeLine();
    ASSERT_EQ(lines->InPlay(), "fjdksla;gh");
    missRates = {{'h', 0.3}};
    TypeLines(8);
    ASSERT_EQ(lines->Focus(), 'h');
    EXPECT_GE(RatioInNextLines('h', 20), 3.0);
}

TEST_F(SimulatedLearnerTest, ANewKeyJoinsOnceTheKeysInPlayMeetTheTarget) {
    msPerKey = 500;  // 120 keys a minute, below the target of 150
    TypeLines(15);
    EXPECT_EQ(lines->InPlay(), "fjdk");
    EXPECT_THAT(keysView.changes, ::testing::Not(Contains(HasSubstr("New key"))));
    for (const KeyInPlay& key : keysView.shown.keys) EXPECT_EQ(key.progressPercent, 80) << key.caption;

    msPerKey = 350;  // 171 keys a minute
    int linesTyped = 0;
    while (lines->InPlay() == "fjdk" && linesTyped < 15) {
        TypeLine();
        ++linesTyped;
    }
    EXPECT_EQ(lines->InPlay(), "fjdks");
    EXPECT_THAT(keysView.changes.back(), HasSubstr("New key: s"));
    EXPECT_EQ(keysView.shown.keys.size(), 5u);
    EXPECT_EQ(keysView.shown.keys.back().caption, "s");

    // The next run begins where this one ended.
    PracticeHistory nextRun(folder.File("zqstats.db"), {});
    const Course english(std::string(ZQ_SOURCE_DIR) + "/data/", "English");
    EXPECT_EQ(AdaptiveLines(nextRun, {.user = "Sam",
                                      .course = "English",
                                      .courseLines = ReadTextLines(english.CoursePath()),
                                      .words = AdaptiveWordsOf(english)})
                  .InPlay(),
              "fjdks");
}

TEST_F(SimulatedLearnerTest, AKeyMissedOftenHoldsBackTheNextKey) {
    missRates = {{'j', 0.3}};
    TypeLines(30);
    EXPECT_EQ(lines->InPlay(), "fjdk");
    EXPECT_EQ(lines->Focus(), 'j');
}

}  // namespace
}  // namespace zq
