// The lines of a prayer-times chart in the chart's own plane: x in days after the chart's
// first day (a day's times stand at the middle of its column, offset + 0.5), y the clock
// time in hours 0 .. 24. A time before midnight or from midnight on is drawn on the day
// before or after, and a line that crosses midnight leaves the chart at one edge and comes
// back at the other; a marker leaves a gap.
#pragma once

#include <cstddef>
#include <vector>

#include "files/output/prayer_chart.h"

namespace kelmo {

struct ChartXY {
    double day = 0.0;
    double hour = 0.0;
};

// A run of connected points drawn in one style; a single point stands alone between gaps.
struct ChartStroke {
    bool fromRule = false;  // the times of the high-latitude rule
    std::vector<ChartXY> points;
};

// The strokes of the line of chart.slots[line]. Between two neighbouring days the line is
// split in the middle: each half is drawn in the style of its own day.
std::vector<ChartStroke> chartStrokes(const PrayerChart& chart, std::size_t line);

}  // namespace kelmo
