#include "stats/SimulatedPractice.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

const std::vector<std::string> kWords = {"quip", "zap", "pop", "the", "and", "fox", "jumps"};

TEST(SimulatedPracticeTest, EveryLineAddsUpLikeATypedLine) {
    const SimulatedLearner learner;
    const std::vector<LineRecord> lines = SimulateDay(learner, kWords, 19'800, 5);
    ASSERT_EQ(lines.size(), static_cast<size_t>(learner.linesPerDay));
    std::int64_t previousEnd = 0;
    for (const LineRecord& line : lines) {
        std::int64_t typed = 0, wrong = 0, confused = 0, paired = 0, pairsWrong = 0;
        for (const KeyTally& key : line.keys) typed += key.typed, wrong += key.wrong;
        for (const Confusion& confusion : line.confusions) confused += confusion.count;
        for (const PairTally& pair : line.pairs) paired += pair.typed, pairsWrong += pair.wrong;
        EXPECT_EQ(typed, line.characters);
        EXPECT_EQ(wrong, line.errors);
        EXPECT_EQ(confused, line.errors);
        EXPECT_EQ(paired, line.characters - 1) << "every key but the first follows another";
        EXPECT_LE(pairsWrong, line.errors);
        EXPECT_EQ(line.keysPerMinute, std::int64_t{line.characters} * 60000 / line.lineTimeMs);
        EXPECT_EQ(line.localDay, 19'800);
        EXPECT_GT(line.finishedAtMs, previousEnd);
        previousEnd = line.finishedAtMs;
    }
}

TEST(SimulatedPracticeTest, TheLearnersSlowPairsTakeLongerThanTheSameKeysAfterOthers) {
    SimulatedLearner learner;
    learner.weakKeys = U"";
    learner.slowPairs = {U"ck"};
    const std::vector<std::string> words = {"kick", "lock", "ski", "kin", "neck", "ink"};
    std::int64_t slowTime = 0, slowTimed = 0, otherTime = 0, otherTimed = 0;
    for (const LineRecord& line : SimulateDay(learner, words, 19'800, 0)) {
        for (const PairTally& pair : line.pairs) {
            if (pair.second != U'k') continue;
            (pair.first == U'c' ? slowTime : otherTime) += pair.timeMs;
            (pair.first == U'c' ? slowTimed : otherTimed) += pair.timedKeys;
        }
    }
    ASSERT_GT(slowTimed, 0);
    ASSERT_GT(otherTimed, 0);
    EXPECT_GT(slowTime / slowTimed, otherTime / otherTimed * 3 / 2);
}

// Made-up practice ends yesterday: every line lies in the past, whatever
// the hour it is made at.
TEST(SimulatedPracticeTest, TheMadeUpDaysEndTheDayBeforeToday) {
    constexpr std::int32_t kToday = 20'433;
    const std::int32_t first = FirstSimulatedDay(14, kToday);
    EXPECT_EQ(first + 13, kToday - 1);
    const std::vector<LineRecord> lastDay = SimulateDay(SimulatedLearner{}, {"sun moon"}, first + 13, 13);
    ASSERT_FALSE(lastDay.empty());
    EXPECT_LT(lastDay.back().finishedAtMs, std::int64_t{kToday} * 86'400'000) << "before today began";
}

}  // namespace
}  // namespace zq
