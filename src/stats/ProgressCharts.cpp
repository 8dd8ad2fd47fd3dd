#include "stats/ProgressCharts.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "base/Translation.h"

namespace zq {

namespace {

std::int32_t FirstChartDay(const ProgressReport& report) {
    std::int32_t first = report.lastDay - kShortestChartDays + 1;
    for (const DrillDay& day : report.drillDays) first = std::min(first, day.day - 1);
    const std::int32_t weeks = (report.lastDay - first + 1 + 6) / 7;
    return std::max(report.lastDay - weeks * 7 + 1, report.firstDay);
}

ChartSpec Chart(const ProgressReport& report, const char* title, const char* axis) {
    return {.titleUtf8 = Tr(title),
            .valueAxisUtf8 = Tr(axis),
            .dateFormatUtf8 = Tr("M/d"),
            .firstDay = FirstChartDay(report),
            .lastDay = report.lastDay};
}

ChartSpec PerDrill(const ProgressReport& report, const char* title, const char* axis,
                   std::int64_t (*figure)(const DrillDay&)) {
    ChartSpec spec = Chart(report, title, axis);
    for (const DrillKind drill : kAllDrills) {
        ChartSeries series{.nameUtf8 = DrillCaption(drill)};
        for (const DrillDay& day : report.drillDays) {
            if (day.drill != drill) continue;
            const auto value = static_cast<double>(figure(day));
            series.points.push_back({day.day, value});
            spec.largestValue = std::max(spec.largestValue, value);
        }
        if (!series.points.empty()) spec.series.push_back(std::move(series));
    }
    return spec;
}

ChartSpec PracticeTime(const ProgressReport& report) {
    ChartSpec spec = Chart(report, "Practice time per day", "Minutes");
    spec.bars = true;
    std::map<std::int32_t, std::int64_t> milliseconds;
    for (const DrillDay& day : report.drillDays) milliseconds[day.day] += day.timeMs;
    ChartSeries series{.nameUtf8 = Tr("All drills")};
    for (const auto& [day, time] : milliseconds) {
        if (day < spec.firstDay) continue;
        const double minutes = static_cast<double>(time) / 60'000;
        series.points.push_back({day, minutes});
        spec.largestValue = std::max(spec.largestValue, minutes);
    }
    spec.series.push_back(std::move(series));
    return spec;
}

}  // namespace

std::string DrillCaption(DrillKind drill) {
    switch (drill) {
        case DrillKind::Course:
            return Tr("Course");
        case DrillKind::Sentence:
            return Tr("Sentence Drills");
        case DrillKind::Free:
            return Tr("Free Drills");
        case DrillKind::Paragraph:
            return Tr("Paragraph Drills");
        case DrillKind::Adaptive:
            return Tr("Adaptive Drill");
    }
    return {};
}

std::vector<ChartSpec> ProgressChartSpecs(const ProgressReport& report) {
    ChartSpec speed = PerDrill(report, "Keys per minute", "Keys/Min", KeysPerMinute);
    ChartSpec accuracy = PerDrill(report, "Accuracy", "%", Accuracy);
    // Accuracy stays near the top: the axis begins at the tens below the
    // lowest day, so that its changes can be seen.
    accuracy.largestValue = 100;
    accuracy.smallestValue = 100;
    for (const ChartSeries& series : accuracy.series)
        for (const ChartPoint& point : series.points)
            accuracy.smallestValue = std::min(accuracy.smallestValue, point.value);
    accuracy.smallestValue = std::max(0.0, std::floor(accuracy.smallestValue / 10) * 10 - 10);
    return {std::move(speed), std::move(accuracy), PracticeTime(report)};
}

std::string ChartSummary(const ChartSpec& spec) {
    std::string values;
    for (const ChartSeries& series : spec.series) {
        if (series.points.empty()) continue;
        if (!values.empty()) values += ", ";
        values += series.nameUtf8 + " " + std::to_string(std::lround(series.points.back().value));
    }
    if (values.empty()) return Tr("No practice in these days.");
    return Format(Tr("%s, on the last day each was practised: %s"), {spec.valueAxisUtf8, values});
}

}  // namespace zq
