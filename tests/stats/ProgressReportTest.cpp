#include "stats/ProgressReport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using testing::TypedLine;

constexpr std::int32_t kToday = 19'800;

TEST(ProgressReportTest, TheReportCoversNinetyDaysUpToTodayAndRanksTheCourseKeys) {
    test::TempFolder folder;
    HistoryStore store(folder.File("zqstats.db"));
    store.AddLine(TypedLine("Ann", kToday - 90, "qqqqqqqqqqqq", 12));  // one day too old
    for (int i = 0; i < 3; ++i) {
        store.AddLine(TypedLine("Ann", kToday - 89, "xxxxxxxxxx", 5));
        store.AddLine(TypedLine("Ann", kToday, "abcdefghij", 1, DrillKind::Course));
        store.AddLine(TypedLine("Ann", kToday, "bcdefghijk", 1, DrillKind::Course, "Deutsch"));
    }

    const ProgressReport report = ReadProgressReport(store, "Ann", "English", kToday);

    EXPECT_EQ(report.firstDay, kToday - 89);
    EXPECT_EQ(report.lastDay, kToday);
    ASSERT_EQ(report.drillDays.size(), 2u);
    EXPECT_EQ(report.drillDays[0].day, kToday - 89);
    EXPECT_EQ(report.drillDays[1].lines, 6);  // every course counts in the charts
    // Keys of the English course only: x is missed half the time, a a third.
    ASSERT_EQ(report.weakest.size(), 1u);  // only x was typed 10 times or more
    EXPECT_EQ(report.weakest[0], 'x');
    EXPECT_EQ(report.confusions.at(0).expected, 'x');
    EXPECT_EQ(report.confusions.at(0).count, 15);
    EXPECT_TRUE(std::ranges::none_of(report.keys, [](const KeyTally& key) { return key.character == U'q'; }));
    EXPECT_TRUE(std::ranges::none_of(report.keys, [](const KeyTally& key) { return key.character == U'k'; }));
}

TEST(ProgressReportTest, SpeedAndAccuracyOfADayUseTheLineArithmetic) {
    const DrillDay day{.characters = 30, .errors = 2, .timeMs = 12'000};
    EXPECT_EQ(KeysPerMinute(day), 150);
    EXPECT_EQ(Accuracy(day), 93);
    EXPECT_EQ(KeysPerMinute(DrillDay{}), 0);
    EXPECT_EQ(Accuracy(DrillDay{}), 0);
}

}  // namespace
}  // namespace zq
