// The chart picture as a module of its own, loaded by kelmo-cli only for its chart command:
// drawing needs Qt's GUI libraries, which the tool's other commands should not have to load
// at every start. The module and the tool are built together, so the entry takes C++ types.
#pragma once

#include <string>

#include "files/output/chart_format.h"
#include "files/output/prayer_chart.h"

namespace kelmo {

// The module's file name, beside the executable or in the installed library folder.
inline constexpr const char* kChartModuleFile = "kelmo-chart.so";
// The name of the entry function that the module exports.
inline constexpr const char* kChartModuleEntry = "kelmoChartFileBytes";

// Puts the bytes of the chart's picture file into bytes; false when none could be made.
using ChartModuleEntry = bool (*)(const PrayerChart& chart, ChartFormat format, std::string& bytes);

}  // namespace kelmo
