#include "calendar/julian_day.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kelmo {
namespace {

CalendarDate civil(int year, int month, double day) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

// Reference values: J. Meeus, Astronomical Algorithms (1998), examples 7.a to 7.c and the
// table of chapter 7.
TEST(JulianDay, PublishedValues) {
    EXPECT_NEAR(julianDay(civil(1957, 10, 4.81)), 2436116.31, 1e-9);
    EXPECT_DOUBLE_EQ(julianDay(civil(333, 1, 27.5)), 1842713.0);
    EXPECT_DOUBLE_EQ(julianDay(civil(2000, 1, 1.5)), 2451545.0);
    EXPECT_DOUBLE_EQ(julianDay(civil(1600, 12, 31.0)), 2305812.5);
    EXPECT_NEAR(julianDay(civil(837, 4, 10.3)), 2026871.8, 1e-9);
    EXPECT_DOUBLE_EQ(julianDay(civil(-123, 12, 31.0)), 1676496.5);
    EXPECT_DOUBLE_EQ(julianDay(civil(-1000, 7, 12.5)), 1356001.0);
    EXPECT_DOUBLE_EQ(julianDay(civil(-4712, 1, 1.5)), 0.0);
}

TEST(JulianDay, GregorianReformGap) {
    EXPECT_DOUBLE_EQ(julianDay(civil(1582, 10, 4.0)), 2299159.5);
    EXPECT_DOUBLE_EQ(julianDay(civil(1582, 10, 15.0)), 2299160.5);
    CalendarDate d;
    dateFromJulianDay(2299160.5, d);
    EXPECT_EQ(d.year, 1582);
    EXPECT_EQ(d.month, 10);
    EXPECT_DOUBLE_EQ(d.day, 15.0);
    dateFromJulianDay(2299159.5, d);
    EXPECT_DOUBLE_EQ(d.day, 4.0);
}

TEST(JulianDay, CenturiesAndWeekday) {
    EXPECT_DOUBLE_EQ(centuriesSinceJ2000(2451545.0), 0.0);
    EXPECT_DOUBLE_EQ(centuriesSinceJ2000(2451545.0 + 36525.0), 1.0);
    EXPECT_EQ(weekday(2451545.0), 6);                        // 1 January 2000 was a Saturday
    EXPECT_EQ(weekday(julianDay(civil(1954, 6, 30.0))), 3);  // Meeus example 7.e: Wednesday
    EXPECT_EQ(weekday(julianDay(civil(2026, 12, 7.0))), 1);  // a Monday
    EXPECT_EQ(weekday(julianDay(civil(-1000, 7, 12.0))), weekday(julianDay(civil(-1000, 7, 5.0))));
}

TEST(JulianDay, TimeFieldsAreTruncated) {
    CalendarDate d;
    dateFromJulianDay(2436116.31, d);  // 1957 October 4.81 = 19:26:24
    EXPECT_EQ(d.year, 1957);
    EXPECT_EQ(d.month, 10);
    EXPECT_NEAR(d.day, 4.81, 1e-9);
    EXPECT_EQ(d.hour, 19);
    EXPECT_EQ(d.minute, 26);
    EXPECT_GE(d.second, 23);
    EXPECT_LE(d.second, 24);
}

TEST(JulianDay, ConversionLeavesHijriFieldsAlone) {
    CalendarDate d;
    d.hijriYear = 1447;
    d.hijriMonth = 6;
    d.hijriDay = 16;
    d.hijriValid = 1;
    dateFromJulianDay(2461381.5, d);
    EXPECT_EQ(d.hijriYear, 1447);
    EXPECT_EQ(d.hijriMonth, 6);
    EXPECT_EQ(d.hijriDay, 16);
    EXPECT_EQ(d.hijriValid, 1);
}

// Reference: ERFA eraCal2jd (proleptic Gregorian), for Gregorian dates after the reform.
TEST(JulianDay, AgreesWithErfaAndRoundTripsOverRandomDates) {
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> year(1583, 4000), month(1, 12), day(1, 28);
    std::uniform_real_distribution<double> fraction(0.0, 0.999);
    for (int i = 0; i < 20000; ++i) {
        const CalendarDate in = civil(year(rng), month(rng), day(rng) + fraction(rng));
        double mjd0 = 0, mjd = 0;
        ASSERT_EQ(eraCal2jd(in.year, in.month, static_cast<int>(in.day), &mjd0, &mjd), 0);
        const double jd = julianDay(in);
        EXPECT_NEAR(jd, mjd0 + mjd + (in.day - std::floor(in.day)), 1e-6);

        CalendarDate out;
        dateFromJulianDay(jd, out);
        ASSERT_EQ(out.year, in.year);
        ASSERT_EQ(out.month, in.month);
        ASSERT_NEAR(out.day, in.day, 1e-6);
    }
}

TEST(JulianDay, RoundTripsThroughJulianCalendarAndNegativeYears) {
    for (double jd = 0.5; jd < 2299160.5; jd += 997.25) {
        CalendarDate d;
        dateFromJulianDay(jd, d);
        ASSERT_NEAR(julianDay(d), jd, 1e-6) << d.year << "-" << d.month << "-" << d.day;
    }
}

TEST(JulianDay, DaysLaterRollsOverMonthsYearsAndTheReform) {
    CalendarDate d = civil(2024, 2, 28.75);
    d.hijriYear = 1445;
    const CalendarDate leap = daysLater(d, 1);
    EXPECT_EQ(leap.month, 2);
    EXPECT_DOUBLE_EQ(leap.day, 29.0);
    EXPECT_EQ(leap.hijriYear, 1445);
    const CalendarDate newYear = daysLater(civil(2026, 12, 31), 1);
    EXPECT_EQ(newYear.year, 2027);
    EXPECT_EQ(newYear.month, 1);
    EXPECT_DOUBLE_EQ(newYear.day, 1.0);
    const CalendarDate back = daysLater(civil(2026, 3, 1), -1);
    EXPECT_EQ(back.month, 2);
    EXPECT_DOUBLE_EQ(back.day, 28.0);
    const CalendarDate reform = daysLater(civil(1582, 10, 4), 1);
    EXPECT_DOUBLE_EQ(reform.day, 15.0);
}

TEST(CivilCalendar, LeapYears) {
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(1500));  // Julian rule before the reform
    EXPECT_TRUE(isLeapYear(0));
    EXPECT_TRUE(isLeapYear(-4));
    EXPECT_FALSE(isLeapYear(-1));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_FALSE(isLeapYear(2100));
}

TEST(CivilCalendar, DateValidity) {
    EXPECT_FALSE(isValidDate(civil(1900, 2, 29), false));
    EXPECT_TRUE(isValidDate(civil(1500, 2, 29), false));
    EXPECT_TRUE(isValidDate(civil(2000, 2, 29), false));
    EXPECT_FALSE(isValidDate(civil(1582, 10, 10), false));
    EXPECT_TRUE(isValidDate(civil(1582, 10, 4), false));
    EXPECT_TRUE(isValidDate(civil(1582, 10, 15), false));
    EXPECT_FALSE(isValidDate(civil(2026, 4, 31), false));
    EXPECT_FALSE(isValidDate(civil(2026, 4, 0), false));
    EXPECT_TRUE(isValidDate(civil(2026, 12, 31.75), false));
}

TEST(CivilCalendar, HijriValidity) {
    CalendarDate d;
    d.hijriYear = 1447;
    d.hijriMonth = 9;
    d.hijriDay = 30;
    EXPECT_TRUE(isValidDate(d, true));
    d.hijriDay = 31;
    EXPECT_FALSE(isValidDate(d, true));
    d.hijriDay = 1;
    d.hijriMonth = 13;
    EXPECT_FALSE(isValidDate(d, true));
    d.hijriMonth = 1;
    d.hijriYear = 0;
    EXPECT_FALSE(isValidDate(d, true));
}

}  // namespace
}  // namespace kelmo
