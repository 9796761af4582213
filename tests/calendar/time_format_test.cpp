#include "calendar/time_format.h"

#include <gtest/gtest.h>

#include "base/angles.h"

namespace kelmo {
namespace {

double hours(double h) {
    return h * kHoursToRad;
}
double hms(int h, int m, double s) {
    return hours(h + m / 60.0 + s / 3600.0);
}

void expectSplit(const SplitTime& s, int dayOffset, int h, int m, int sec) {
    EXPECT_EQ(s.dayOffset, dayOffset);
    EXPECT_EQ(s.hours, h);
    EXPECT_EQ(s.minutes, m);
    EXPECT_EQ(s.seconds, sec);
}

TEST(FractionOf, RemainderOrValue) {
    EXPECT_DOUBLE_EQ(fractionOf(12.75, 12.0), 0.75);
    EXPECT_DOUBLE_EQ(fractionOf(0.25, 0.0), 0.25);
    EXPECT_DOUBLE_EQ(fractionOf(7.5, 2.0), 1.5);
}

TEST(SplitTime, RoundingCarriesThroughMinutesHoursAndDays) {
    expectSplit(splitTime(kRoundNearest, hms(5, 59, 59.6), false), 0, 6, 0, 0);
    expectSplit(splitTime(kRoundNearest, hms(23, 59, 59.6), false), 1, 0, 0, 0);
    // Minute display: the minute is rounded, the seconds field is 0.
    expectSplit(splitTime(kRoundUp, hms(23, 59, 0.2), true), 1, 0, 0, 0);
}

TEST(SplitTime, TimesOutsideTheDayGetADayOffset) {
    expectSplit(splitTime(kRoundNearest, hours(-0.5), false), -1, 23, 30, 0);
    expectSplit(splitTime(kRoundNearest, hours(24.25), false), 1, 0, 15, 0);
    expectSplit(splitTime(kRoundNearest, hours(50.0), false), 2, 2, 0, 0);
    expectSplit(splitTime(kRoundNearest, hours(-25.0), false), -2, 23, 0, 0);
}

TEST(SplitTime, MinuteThresholds) {
    EXPECT_EQ(splitTime(kRoundUp, hms(12, 0, 20), true).minutes, 1);
    EXPECT_EQ(splitTime(kRoundNearest, hms(12, 0, 20), true).minutes, 0);
    EXPECT_EQ(splitTime(kRoundDown, hms(12, 0, 20), true).minutes, 0);
    EXPECT_EQ(splitTime(kRoundNearest, hms(12, 0, 40), true).minutes, 1);
    // Up rounding of prayer rows: 05:12:01 shows 05:13, down rounding 05:02:59 shows 05:02.
    const SplitTime up = splitTime(kRoundUp, hms(5, 12, 1), true);
    EXPECT_EQ(up.hours * 100 + up.minutes, 513);
    const SplitTime down = splitTime(kRoundDown, hms(5, 2, 59.99), true);
    EXPECT_EQ(down.hours * 100 + down.minutes, 502);
    // One rounding, at the minute: 18:43:29.7 is nearer 18:43 (rounding the seconds first
    // gave 18:43:30 and then 18:44); from half a minute on, the next minute.
    const SplitTime nearest = splitTime(kRoundNearest, hms(18, 43, 29.7), true);
    EXPECT_EQ(nearest.hours * 100 + nearest.minutes, 1843);
    EXPECT_EQ(splitTime(kRoundNearest, hms(18, 43, 30.0), true).minutes, 44);
    EXPECT_EQ(splitTime(kRoundNearest, hms(18, 43, 12.49), false).seconds, 12);
}

TEST(FormatTime, TextsAndDurations) {
    const FormattedTime seconds = formatTime(kRoundNearest, hms(5, 59, 59.6), 0, false);
    EXPECT_EQ(seconds.text, "06:00:00");
    EXPECT_EQ(seconds.dayOffset, 0);
    EXPECT_EQ(formatTime(kRoundNearest, hms(13, 7, 0), 1, false).text, "13:07");
    const FormattedTime late = formatTime(kRoundNearest, hours(24.25), 1, false);
    EXPECT_EQ(late.text, "00:15");
    EXPECT_EQ(late.dayOffset, 1);
    EXPECT_EQ(formatTime(kRoundNearest, hours(26.0), 1, true).text, "26:00");
}

}  // namespace
}  // namespace kelmo
