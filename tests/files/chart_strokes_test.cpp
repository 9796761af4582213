#include "files/output/chart_strokes.h"

#include <gtest/gtest.h>

#include <optional>

namespace kelmo {
namespace {

struct Value {
    std::optional<double> hours;  // none: a marker
    bool fromRule = false;
};

// A chart of one line over consecutive days.
PrayerChart oneLine(const std::vector<Value>& values) {
    PrayerChart chart;
    chart.slots = {PrayerSlot::isha};
    for (std::size_t i = 0; i < values.size(); ++i) {
        ChartDay& day = chart.days.emplace_back();
        day.offset = static_cast<int>(i);
        ChartPoint p;
        p.valid = values[i].hours.has_value();
        p.hours = values[i].hours.value_or(0.0);
        p.fromRule = values[i].fromRule;
        day.points.push_back(p);
    }
    chart.length = static_cast<int>(values.size());
    return chart;
}

void expectPoint(const ChartXY& p, double day, double hour) {
    EXPECT_DOUBLE_EQ(p.day, day);
    EXPECT_DOUBLE_EQ(p.hour, hour);
}

TEST(ChartStrokes, ConnectedDaysMakeOneStrokeThroughTheMiddleOfEachColumn) {
    const auto strokes = chartStrokes(oneLine({{20.0}, {20.5}, {21.0}}), 0);
    ASSERT_EQ(strokes.size(), 1u);
    ASSERT_EQ(strokes[0].points.size(), 5u);  // day, middle, day, middle, day
    expectPoint(strokes[0].points[0], 0.5, 20.0);
    expectPoint(strokes[0].points[1], 1.0, 20.25);
    expectPoint(strokes[0].points[2], 1.5, 20.5);
    expectPoint(strokes[0].points[4], 2.5, 21.0);
    EXPECT_FALSE(strokes[0].fromRule);
}

TEST(ChartStrokes, AMarkerBreaksTheLineAndALoneDayIsADot) {
    const auto strokes = chartStrokes(oneLine({{20.0}, {20.5}, {}, {21.0}, {}, {21.5}, {22.0}}), 0);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_EQ(strokes[0].points.back().day, 1.5);  // ends at the last day before the gap
    ASSERT_EQ(strokes[1].points.size(), 1u);       // day 3 alone
    expectPoint(strokes[1].points[0], 3.5, 21.0);
    expectPoint(strokes[2].points.front(), 5.5, 21.5);
    for (const ChartStroke& s : strokes) {
        for (const ChartXY& p : s.points) EXPECT_GT(p.hour, 19.0);  // never a line to zero
    }
    // Days that are not neighbours (a gap in the calendar) are not joined either.
    PrayerChart skipped = oneLine({{20.0}, {20.5}});
    skipped.days[1].offset = 2;
    EXPECT_EQ(chartStrokes(skipped, 0).size(), 2u);
}

TEST(ChartStrokes, EachHalfBetweenTwoDaysTakesTheStyleOfItsDay) {
    const auto strokes = chartStrokes(oneLine({{20.0}, {21.0, true}, {22.0, true}, {23.0}}), 0);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_FALSE(strokes[0].fromRule);
    EXPECT_TRUE(strokes[1].fromRule);
    EXPECT_FALSE(strokes[2].fromRule);
    expectPoint(strokes[0].points.back(), 1.0, 20.5);  // the plain line ends at the middle
    expectPoint(strokes[1].points.front(), 1.0, 20.5);
    expectPoint(strokes[1].points.back(), 3.0, 22.5);
    expectPoint(strokes[2].points.front(), 3.0, 22.5);
}

// Isha moving past midnight: the line leaves at 24:00 and comes back at 00:00 of the next day,
// without a stroke across the whole chart.
TEST(ChartStrokes, ATimeAfterMidnightIsDrawnOnTheNextDay) {
    const auto strokes = chartStrokes(oneLine({{23.0}, {23.75}, {24.25}, {25.0}}), 0);
    ASSERT_EQ(strokes.size(), 2u);
    // Crossing between day 1 (23.75) and day 2 (24.25), at their middle x = 2.0.
    expectPoint(strokes[0].points.back(), 2.0, 24.0);
    expectPoint(strokes[1].points.front(), 3.0, 0.0);
    expectPoint(strokes[1].points.back(), 4.5, 1.0);  // 25:00 of day 3 is 01:00 of day 4
    for (const ChartStroke& s : strokes) {
        for (const ChartXY& p : s.points) {
            EXPECT_GE(p.hour, 0.0);
            EXPECT_LE(p.hour, 24.0);
        }
    }
    // And back before midnight: a time before 00:00 is drawn on the day before.
    const auto back = chartStrokes(oneLine({{0.5}, {-0.5}}), 0);
    ASSERT_EQ(back.size(), 2u);
    expectPoint(back[0].points.back(), 1.0, 0.0);
    expectPoint(back[1].points.front(), 0.0, 24.0);
    expectPoint(back[1].points.back(), 0.5, 23.5);
}

}  // namespace
}  // namespace kelmo
