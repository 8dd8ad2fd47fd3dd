#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/Difficulty.h"
#include "game/GameScores.h"
#include "game/StatusBars.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

TEST(GameScoreTableTest, AScoreTakesThePlaceOfTheLowestEntryOnlyWhenItIsGreater) {
    GameScoreTable table;
    EXPECT_THAT(table.Entries(), ElementsAre("000000", "000000", "000000", "000000", "000000"));
    table.Add(0);
    EXPECT_THAT(table.Entries(), ElementsAre("000000", "000000", "000000", "000000", "000000"));
    table.Add(1500);
    EXPECT_THAT(table.Entries(), ElementsAre("000000", "000000", "000000", "000000", "001500"));

    // A table whose first entry is its best: a poorer score still gets in,
    // in place of the lowest entry, which is not the first.
    for (const std::int32_t score : {900, 100, 800, 700}) table.Add(score);
    EXPECT_THAT(table.Entries(), ElementsAre("001500", "000900", "000100", "000800", "000700"));
    table.Add(500);
    EXPECT_THAT(table.Entries(), UnorderedElementsAre("001500", "000900", "000800", "000700", "000500"));
    table.Add(500);  // equal to the lowest: nothing changes
    table.Add(-20);
    EXPECT_THAT(table.Entries(), UnorderedElementsAre("001500", "000900", "000800", "000700", "000500"));

    table.Reset();
    EXPECT_THAT(table.Entries(), ElementsAre("000000", "000000", "000000", "000000", "000000"));
}

TEST(GameScoreTableTest, SortingPutsTheHighestFirstAlsoForSevenDigitsAndNegativeScores) {
    EXPECT_EQ(FormatScore(-12), "-000012");
    EXPECT_EQ(FormatScore(1234567), "1234567");
    EXPECT_LT(CompareScores("001500", "000900"), 0);
    EXPECT_GT(CompareScores("000000", "000001"), 0);
    EXPECT_EQ(CompareScores("000700", "000700"), 0);
    EXPECT_LT(CompareScores("000000", "-000012"), 0);
    EXPECT_LT(CompareScores("1000000", "999999"), 0);

    GameScoreTable table;
    // The profile may hold any integers; they are offered like scores.
    for (const std::int32_t score : {-5, 1234567, 999999, 42, -300}) table.Add(score);
    table.Sort();
    EXPECT_THAT(table.Entries(), ElementsAre("1234567", "999999", "000042", "000000", "000000"));
}

TEST(StatusBarsTest, BlendColorRoundsTheStepBeforeMultiplying) {
    EXPECT_EQ(BlendColor(clRed, clLime, 50, 100), 25755);
    EXPECT_EQ(BlendColor(clRed, clLime, 100, 100), 51255);
    EXPECT_EQ(BlendColor(clRed, clAqua, 50, 100), 6579355);
    EXPECT_EQ(BlendColor(clRed, clAqua, 100, 100), 13158455);
    EXPECT_EQ(BlendColor(clRed, clAqua, 0, 100), clRed);
}

TEST(StatusBarsTest, TheBarsFollowTheQuotaAndTheCity) {
    StatusBars bars;
    const StatusBarValues start = bars.Start(110, 240);
    EXPECT_EQ(start.progress, 0);
    EXPECT_EQ(start.invaderLife, 100);
    EXPECT_EQ(start.cityLife, 100);

    const StatusBarValues halfway = bars.Update(240, 55, 0);
    EXPECT_EQ(halfway.progress, 50);
    EXPECT_EQ(halfway.invaderLife, 50);
    EXPECT_EQ(halfway.cityLife, 100);
    EXPECT_EQ(halfway.invaderLifeColor, 6579355);
    EXPECT_EQ(halfway.cityLifeColor, 51255);

    const StatusBarValues battered = bars.Update(80, 10, 45);
    EXPECT_EQ(battered.progress, 50);
    EXPECT_EQ(battered.invaderLife, 90);
    EXPECT_EQ(battered.cityLife, 33);

    // A city built without a single brick has no life to show.
    bars.Start(110, 0);
    EXPECT_EQ(bars.Update(0, 1, 0).cityLife, 0);
}

TEST(DifficultyTest, OneToTenAsTheyStandAnythingElseThree) {
    EXPECT_EQ(DifficultyFromAnswer("10"), 10);
    EXPECT_EQ(DifficultyFromAnswer("1"), 1);
    EXPECT_EQ(DifficultyFromAnswer("007"), 7);
    for (const char* answer : {"0", "11", "99", "", "abc", "-4", "99999999999"})
        EXPECT_EQ(DifficultyFromAnswer(answer), 3) << answer;
}

}  // namespace
}  // namespace zq
