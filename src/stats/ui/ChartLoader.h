#pragma once

#include <string>

#include "stats/ChartSpec.h"

class QWidget;

namespace zq {

// A chart widget for a spec, drawn by the chart module in the program
// folder (loaded at the first call). When the module cannot be loaded, a
// label says so in the chart's place.
QWidget* CreateChart(const ChartSpec& spec, const std::string& programFolder, QWidget* parent);

}  // namespace zq
