#pragma once

// What a progress chart shows, as plain data: the charts are drawn by a
// module loaded when the progress window first opens, which knows nothing
// else of the program.

#include <cstdint>
#include <string>
#include <vector>

namespace zq {

// A point of a day is drawn in the middle of that day; the time axis runs
// from the start of the first day to the end of the last.
struct ChartPoint {
    std::int32_t day = 0;  // day number (days since 1970-01-01)
    double value = 0;
};

struct ChartSeries {
    std::string nameUtf8{};
    std::vector<ChartPoint> points{};  // in day order
};

struct ChartSpec {
    std::string titleUtf8{};
    std::string valueAxisUtf8{};
    std::string dateFormatUtf8{};  // a day on the time axis, as QDateTime formats it ("M/d")
    std::int32_t firstDay = 0;
    std::int32_t lastDay = 0;
    double smallestValue = 0;  // the value axis starts here
    double largestValue = 0;   // and reaches at least this far
    bool bars = false;         // a bar for each point instead of lines through them
    std::vector<ChartSeries> series{};
};

// The module's entry: creates a chart widget (a QWidget*) for a spec, with
// `parent` (a QWidget*) as its parent.
inline constexpr const char* kChartModuleName = "zq-progress-charts";
inline constexpr const char* kChartEntryName = "ZqCreateProgressChart";
using ChartEntry = void* (*)(const ChartSpec* spec, void* parent);

}  // namespace zq
