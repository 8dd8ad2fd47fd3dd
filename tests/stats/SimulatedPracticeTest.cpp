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

TEST(SimulatedPracticeTest, TheLearnerMissesTheWeakKeysMostAndGetsFaster) {
    SimulatedLearner learner;
    learner.linesPerDay = 200;
    auto missRate = [](const std::vector<LineRecord>& lines, bool weak) {
        std::int64_t typed = 0, wrong = 0;
        for (const LineRecord& line : lines)
            for (const KeyTally& key : line.keys)
                if ((std::string("qzp").find(static_cast<char>(key.code)) != std::string::npos) == weak)
                    typed += key.typed, wrong += key.wrong;
        return static_cast<double>(wrong) / static_cast<double>(typed);
    };
    auto speed = [](const std::vector<LineRecord>& lines) {
        std::int64_t characters = 0, time = 0;
        for (const LineRecord& line : lines) characters += line.characters, time += line.lineTimeMs;
        return characters * 60000 / time;
    };
    const auto firstDay = SimulateDay(learner, kWords, 19'700, 0);
    const auto laterDay = SimulateDay(learner, kWords, 19'790, 90);
    EXPECT_GT(missRate(firstDay, true), 3 * missRate(firstDay, false));
    EXPECT_GT(speed(laterDay), speed(firstDay) * 3 / 2);
}

}  // namespace
}  // namespace zq
