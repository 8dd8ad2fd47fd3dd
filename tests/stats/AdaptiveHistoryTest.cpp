#include "stats/AdaptiveHistory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/HistoryStore.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::TypedLine;

constexpr std::int32_t kDay = 19'800;

class AdaptiveHistoryTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    HistoryStore store{folder.File("zqstats.db")};
};

TEST_F(AdaptiveHistoryTest, TheKeysInPlayAreKeptPerLearnerAndCourse) {
    EXPECT_EQ(ReadKeysInPlay(store, "Ann", "English"), 0) << "before the first adaptive line";
    WriteKeysInPlay(store, "Ann", "English", 6);
    WriteKeysInPlay(store, "Ann", "Deutsch", 9);
    WriteKeysInPlay(store, "ANN", "English", 7);  // user names match without regard to case
    EXPECT_EQ(ReadKeysInPlay(store, "ann", "English"), 7);
    EXPECT_EQ(ReadKeysInPlay(store, "Ann", "Deutsch"), 9);
    EXPECT_EQ(ReadKeysInPlay(store, "Bob", "English"), 0);
}

TEST_F(AdaptiveHistoryTest, ErasingALearnerErasesTheirKeysInPlay) {
    WriteKeysInPlay(store, "Ann", "English", 6);
    WriteKeysInPlay(store, "Bob", "English", 8);
    store.EraseUser("Ann");
    EXPECT_EQ(ReadKeysInPlay(store, "Ann", "English"), 0);
    EXPECT_EQ(ReadKeysInPlay(store, "Bob", "English"), 8);
}

TEST_F(AdaptiveHistoryTest, RecentLinesComeNewestFirstWithTheirKeysFromEveryDrillOfTheCourse) {
    store.AddLine(TypedLine("Ann", kDay, "aab", 1, DrillKind::Course));
    store.AddLine(TypedLine("Ann", kDay, "zz", 0, DrillKind::Course, "Deutsch"));
    store.AddLine(TypedLine("Bob", kDay, "yy"));
    store.AddLine(TypedLine("Ann", kDay + 1, "cd", 0, DrillKind::Adaptive));
    store.AddLine(TypedLine("Ann", kDay + 1, "e", 0, DrillKind::Free));

    const auto recent = RecentLineKeys(store, "ANN", "English", 10);
    ASSERT_EQ(recent.size(), 3u);
    ASSERT_EQ(recent[0].size(), 1u);
    EXPECT_EQ(recent[0][0].character, U'e');
    ASSERT_EQ(recent[1].size(), 2u);
    EXPECT_EQ(recent[1][0].character, U'c');
    ASSERT_EQ(recent[2].size(), 2u);
    EXPECT_EQ(recent[2][0].character, U'a');
    EXPECT_EQ(recent[2][0].typed, 2);
    EXPECT_EQ(recent[2][0].wrong, 1);
    EXPECT_EQ(recent[2][1].timedKeys, 1);
    EXPECT_EQ(recent[2][1].timeMs, 200);

    EXPECT_EQ(RecentLineKeys(store, "Ann", "English", 2).size(), 2u) << "only as many lines as asked";
    EXPECT_TRUE(RecentLineKeys(store, "Cid", "English", 10).empty());
}

TEST_F(AdaptiveHistoryTest, TheLatestLinesAreFoundThroughTheIndexNotByReadingEveryLine) {
    SqliteStatement plan = store.Database().Prepare(
        "EXPLAIN QUERY PLAN SELECT id FROM practice_line WHERE user_key = 'ann' AND course = 'English' "
        "ORDER BY id DESC LIMIT 100");
    std::string steps;
    while (plan.Step()) steps += plan.Bytes(3) + "\n";
    EXPECT_THAT(steps, HasSubstr("practice_line_by_user_course"));
    EXPECT_THAT(steps, ::testing::Not(HasSubstr("TEMP B-TREE")));
}

}  // namespace
}  // namespace zq
