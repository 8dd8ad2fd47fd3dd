#include "stats/ProgressOverview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "../support/TempFolder.h"
#include "HistoryFixtures.h"
#include "stats/PracticeHistory.h"
#include "stats/ProgressCharts.h"
#include "stats/WeakKeyLine.h"

namespace zq {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::TypedLine;

constexpr std::int32_t kToday = 19'800;

struct RecordingView : ProgressView {
    std::string caption, summary, weakKeyHint;
    std::vector<ChartSpec> charts;
    const KeyHeatMap* keyboard = nullptr;
    std::vector<std::string> slowest, confusions;
    bool weakKeysEnabled = false;

    void SetCaption(std::string_view text) override { caption = text; }
    void ShowSummary(std::string_view text) override { summary = text; }
    void ShowCharts(const std::vector<ChartSpec>& specs) override { charts = specs; }
    void ShowKeyboard(const KeyHeatMap& shown) override { keyboard = &shown; }
    void ShowSlowestKeys(const std::vector<std::string>& lines) override { slowest = lines; }
    void ShowConfusions(const std::vector<std::string>& lines) override { confusions = lines; }
    void SetWeakKeyPractice(bool enabled, std::string_view hint) override {
        weakKeysEnabled = enabled;
        weakKeyHint = hint;
    }
};

class ProgressOverviewTest : public ::testing::Test {
protected:
    ProgressOverviewTest() {
        std::filesystem::create_directories(programFolder / "Courses/English");
        programFolder.Write("Courses/English/course.txt", "quiz queen zap\r\nthe and\r\n");
        programFolder.Write("Courses/English/Practice.txt", "the quick zebra\r\n");
    }
    ProgressOverview Overview() {
        return ProgressOverview(view, history, {"Ann", Course(programFolder.Dir(), "English"), kToday});
    }

    test::TempFolder folder;
    test::TempFolder programFolder;
    std::vector<std::string> warnings;
    PracticeHistory history{folder.File("zqstats.db"),
                            [this](const std::string& text) { warnings.push_back(text); }};
    RecordingView view;
};

TEST_F(ProgressOverviewTest, AnEmptyHistoryShowsNothingYetAndOffersNoWeakKeys) {
    ProgressOverview overview = Overview();
    overview.Load();
    EXPECT_EQ(view.caption, "Progress of Ann");
    EXPECT_THAT(view.summary, HasSubstr("No practice"));
    EXPECT_EQ(view.charts.size(), 3u);
    EXPECT_TRUE(view.slowest.empty());
    EXPECT_TRUE(view.confusions.empty());
    EXPECT_FALSE(view.weakKeysEnabled);
    EXPECT_FALSE(overview.PractiseWeakKeys(1).has_value());
    EXPECT_TRUE(warnings.empty());
}

TEST_F(ProgressOverviewTest, PracticeFillsTheWindowAndTheWeakKeysGiveALineOfCourseWords) {
    for (int i = 0; i < 4; ++i) {
        history.Record(TypedLine("Ann", kToday - 1, "qqqqqzzzzzttttt", 5));  // q always wrong
        history.Record(TypedLine("Ann", kToday, "zzzzzqqqqqeeeee", 2));      // z now and then
    }
    ProgressOverview overview = Overview();
    overview.Load();

    EXPECT_THAT(view.summary, HasSubstr("8 lines"));
    EXPECT_THAT(view.confusions, ElementsAre("r typed for q: 20 times", "{ typed for z: 8 times"));
    EXPECT_EQ(view.slowest.size(), 4u);  // e, q, t and z, each timed often enough
    EXPECT_TRUE(view.weakKeysEnabled);
    EXPECT_THAT(view.weakKeyHint, HasSubstr("q, z, e"));
    ASSERT_NE(view.keyboard, nullptr);

    const std::optional<WeakKeyPractice> practice = overview.PractiseWeakKeys(3);
    ASSERT_TRUE(practice.has_value());
    EXPECT_THAT(practice->announcement, HasSubstr("q, z, e"));
    for (const std::string& word : WordsOf({practice->line8}))
        EXPECT_THAT((std::vector<std::string>{"quiz", "queen", "zap", "the", "quick", "zebra"}),
                    ::testing::Contains(word));
}

TEST_F(ProgressOverviewTest, AHistoryThatCannotBeReadShowsAnEmptyReportAfterItsWarning) {
    std::filesystem::create_directory(folder.File("zqstats.db"));
    ProgressOverview overview = Overview();
    overview.Load();
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_THAT(view.summary, HasSubstr("No practice"));
    EXPECT_EQ(overview.Report().lastDay, kToday);
}

TEST(ProgressChartsTest, ChartsBeginBeforeTheFirstPracticeButShowTwoWeeksAtLeast) {
    ProgressReport report;
    report.firstDay = kToday - 89;
    report.lastDay = kToday;
    report.drillDays = {{kToday - 2, DrillKind::Course, 10, 600, 30, 120'000},
                        {kToday, DrillKind::Free, 5, 300, 3, 60'000},
                        {kToday, DrillKind::Course, 5, 300, 0, 60'000}};
    std::vector<ChartSpec> charts = ProgressChartSpecs(report);
    ASSERT_EQ(charts.size(), 3u);
    EXPECT_EQ(charts[0].firstDay, kToday - kShortestChartDays + 1);
    EXPECT_EQ(charts[0].lastDay, kToday);
    ASSERT_EQ(charts[0].series.size(), 2u);  // course and free drill, in that order
    EXPECT_EQ(charts[0].series[0].points.size(), 2u);
    EXPECT_EQ(charts[0].series[0].points[0].value, 300);  // 600 keys in two minutes
    EXPECT_EQ(charts[1].series[1].points[0].value, 99);
    EXPECT_EQ(charts[1].smallestValue, 80);  // tens below the lowest accuracy (95)
    EXPECT_TRUE(charts[2].bars);
    ASSERT_EQ(charts[2].series.size(), 1u);
    EXPECT_EQ(charts[2].series[0].points.size(), 2u);
    EXPECT_EQ(charts[2].series[0].points[1].value, 2.0);  // minutes of both drills of today

    // Whole weeks from the day before the first practice, ninety days at most.
    report.drillDays[0].day = kToday - 60;
    charts = ProgressChartSpecs(report);
    EXPECT_EQ(charts[0].firstDay, kToday - 62);
    report.drillDays[0].day = kToday - 89;
    charts = ProgressChartSpecs(report);
    EXPECT_EQ(charts[0].firstDay, kToday - 89);
}

}  // namespace
}  // namespace zq
