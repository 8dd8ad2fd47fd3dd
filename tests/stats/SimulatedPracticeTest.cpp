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
        std::int64_t typed = 0, wrong = 0, confused = 0;
        for (const KeyTally& key : line.keys) typed += key.typed, wrong += key.wrong;
        for (const Confusion& confusion : line.confusions) confused += confusion.count;
        EXPECT_EQ(typed, line.characters);
        EXPECT_EQ(wrong, line.errors);
        EXPECT_EQ(confused, line.errors);
        EXPECT_EQ(line.keysPerMinute, std::int64_t{line.characters} * 60000 / line.lineTimeMs);
        EXPECT_EQ(line.localDay, 19'800);
        EXPECT_GT(line.finishedAtMs, previousEnd);
        previousEnd = line.finishedAtMs;
    }
}

}  // namespace
}  // namespace zq
