// Tests of the computer's time-zone setting turned into zone and summer-time rule codes, and
// of the computer's local date and time read under them.
// References: the published rules of the zones (EU: last Sunday of March to last Sunday of
// October; US: second Sunday of March to first Sunday of November; India: no summer time) and
// the calendar of 2026 (1 March and 1 November are Sundays; 29 March and 25 October are the
// last Sundays of their months).
#include "qibla/computer_zone_rules.h"

#include <gtest/gtest.h>

#include "calendar/summer_time.h"

namespace kelmo {
namespace {

constexpr int kSunday = 0;
constexpr int kSaturday = 6;
constexpr int kLastWeek = 5;

ZoneTransition yearly(int month, int dayOfWeek, int week) {
    return {0, month, dayOfWeek, week};
}

TEST(ComputerZoneRules, YearlyWeekdayRules) {
    ZoneSetting europe;
    europe.biasMinutes = -60;
    europe.daylightDate = yearly(3, kSunday, kLastWeek);
    europe.standardDate = yearly(10, kSunday, kLastWeek);
    const ZoneRules cet = ComputerZoneRules(europe);
    EXPECT_EQ(cet.timeZone, 1.0f);
    EXPECT_EQ(cet.dstStart, 3 * 256 + 66);  // last Sunday: 31 + 5 * 6 + 5
    EXPECT_EQ(cet.dstEnd, 10 * 256 + 66);
    EXPECT_EQ(dstDayOfMonth(cet.dstStart, 2026), 29);
    EXPECT_EQ(dstDayOfMonth(cet.dstEnd, 2026), 25);

    ZoneSetting eastern;
    eastern.biasMinutes = 300;
    eastern.daylightDate = yearly(3, kSunday, 2);
    eastern.standardDate = yearly(11, kSunday, 1);
    const ZoneRules us = ComputerZoneRules(eastern);
    EXPECT_EQ(us.timeZone, -5.0f);
    EXPECT_EQ(us.dstStart, 3 * 256 + 63);  // 2nd Sunday: 31 + 30 + 2
    EXPECT_EQ(us.dstEnd, 11 * 256 + 62);   // first Sunday
    EXPECT_EQ(dstDayOfMonth(us.dstStart, 2026), 8);
    EXPECT_EQ(dstDayOfMonth(us.dstEnd, 2026), 1);
}

TEST(ComputerZoneRules, WeekdaysCountFromMondayInTheCodes) {
    ZoneSetting s;
    s.daylightDate = yearly(4, 1, 1);  // first Monday
    s.standardDate = yearly(9, kSaturday, 3);
    const ZoneRules r = ComputerZoneRules(s);
    EXPECT_EQ(r.dstStart % 256, 32);            // Monday: w = 0
    EXPECT_EQ(r.dstEnd % 256, 31 + 5 * 5 + 3);  // Saturday: w = 5
}

TEST(ComputerZoneRules, FixedDatesAndNoSummerTime) {
    ZoneSetting fixed;
    fixed.biasMinutes = -210;  // +3:30
    fixed.daylightDate = {2026, 3, 0, 21};
    fixed.standardDate = {2026, 9, 0, 21};
    const ZoneRules r = ComputerZoneRules(fixed);
    EXPECT_EQ(r.timeZone, 3.5f);
    EXPECT_EQ(r.dstStart, 3 * 256 + 21);
    EXPECT_EQ(r.dstEnd, 9 * 256 + 21);

    ZoneSetting india;
    india.biasMinutes = -330;
    const ZoneRules ist = ComputerZoneRules(india);
    EXPECT_EQ(ist.timeZone, 5.5f);
    EXPECT_EQ(ist.dstStart, 0);
    EXPECT_EQ(ist.dstEnd, 0);

    // A daylight date without a standard-time month counts as no summer time.
    ZoneSetting half = india;
    half.daylightDate = yearly(3, kSunday, kLastWeek);
    EXPECT_EQ(ComputerZoneRules(half).dstStart, 0);
}

UtcTime utc(int year, int month, int day, int hour, int minute) {
    UtcTime t;
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    t.minute = minute;
    return t;
}

TEST(ComputerLocalNow, ZoneAndSummerTimeOfTheComputer) {
    const ZoneRules cet{1.0f, 3 * 256 + 66, 10 * 256 + 66};
    // 29 March 2026 is the first day of summer time: 10:15 UT is 12:15.
    CalendarDate d = computerLocalNow({utc(2026, 3, 29, 10, 15), cet});
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.month, 3);
    EXPECT_NEAR(d.day, 29.0 + 12.25 / 24.0, 1e-9);
    // In winter 23:30 UT on the last day of the year is already the new year.
    d = computerLocalNow({utc(2025, 12, 31, 23, 30), cet});
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.month, 1);
    EXPECT_NEAR(d.day, 1.0 + 0.5 / 24.0, 1e-9);
    // West of Greenwich the date lags.
    d = computerLocalNow({utc(2026, 1, 1, 2, 0), ZoneRules{-5.0f, 0, 0}});
    EXPECT_EQ(d.year, 2025);
    EXPECT_EQ(d.month, 12);
    EXPECT_NEAR(d.day, 31.0 + 21.0 / 24.0, 1e-9);
}

}  // namespace
}  // namespace kelmo
