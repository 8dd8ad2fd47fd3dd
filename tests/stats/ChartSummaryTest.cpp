// What a screen reader says of a chart of the progress window.
#include <gtest/gtest.h>

#include "stats/ProgressCharts.h"

namespace zq {
namespace {

TEST(ChartSummaryTest, EachLineGivesItsValueOfTheLastDayItWasPractised) {
    ChartSpec spec{.titleUtf8 = "Keys per minute", .valueAxisUtf8 = "Keys per minute"};
    spec.series.push_back({"Course", {{100, 151.4}, {102, 180.6}}});
    spec.series.push_back({"Free drill", {{101, 90.0}}});
    EXPECT_EQ(ChartSummary(spec),
              "Keys per minute, on the last day each was practised: Course 181, Free drill 90");
}

TEST(ChartSummaryTest, AChartWithoutPracticeSaysSo) {
    ChartSpec spec{.valueAxisUtf8 = "Minutes"};
    EXPECT_EQ(ChartSummary(spec), "No practice in these days.");
    spec.series.push_back({"All drills", {}});
    EXPECT_EQ(ChartSummary(spec), "No practice in these days.");
}

}  // namespace
}  // namespace zq
