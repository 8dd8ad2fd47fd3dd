#pragma once

#include <vector>

#include "stats/ChartSpec.h"
#include "stats/ProgressReport.h"

namespace zq {

// The three charts of the progress window: keys per minute and accuracy
// per day, a line for each drill practised, and the practice time per day.
// They begin the day before the first practice of the report's days, but
// show two weeks at least, so that a new learner's first days are not
// squeezed into the edge of ninety; whole weeks, so that the time axis
// can be divided into equal steps of days.
std::vector<ChartSpec> ProgressChartSpecs(const ProgressReport& report);

inline constexpr std::int32_t kShortestChartDays = 14;

// What a screen reader says of a chart (UTF-8): its values' name, and the
// value of each line or bars on the last day it has one.
std::string ChartSummary(const ChartSpec& spec);

// The name of a drill as the charts' legends show it (UTF-8).
std::string DrillCaption(DrillKind drill);

}  // namespace zq
