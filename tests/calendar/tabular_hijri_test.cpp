// Tests of the tabular Islamic calendar.
#include "calendar/tabular_hijri.h"

#include <gtest/gtest.h>

namespace kelmo {
namespace {

int monthLength(int y, int m) {
    return m < 12 ? hijriDayNumber(y, m + 1, 1) - hijriDayNumber(y, m, 1)
                  : hijriDayNumber(y + 1, 1, 1) - hijriDayNumber(y, 12, 1);
}

// The arithmetic calendar: epoch, 30/29-day months, 11 leap years (355 days) in 30.
TEST(TabularHijri, StructureOfTheCalendar) {
    EXPECT_EQ(hijriDayNumber(1, 1, 1), 1948440);
    EXPECT_EQ(hijriDayNumberReal(1, 1, 1.0), 1948440.5);
    for (int y = 1; y <= 1500; ++y) {
        for (int m = 1; m <= 11; ++m) ASSERT_EQ(monthLength(y, m), m % 2 == 1 ? 30 : 29) << y;
        ASSERT_TRUE(monthLength(y, 12) == 29 || monthLength(y, 12) == 30) << y;
    }
    for (int cycle = 0; cycle < 50; ++cycle) {
        const int y = 1 + 30 * cycle;
        EXPECT_EQ(hijriDayNumber(y + 30, 1, 1) - hijriDayNumber(y, 1, 1), 30 * 354 + 11);
    }
}

// Every day of years 1..1600 comes back from its day number in the integer form. The real
// form (given at noon) names the days 1..28 of every month; at a month's end its rounding and
// the integer year formula may disagree by a day, which is why it is used only to name the
// month of a day well inside it.
TEST(TabularHijri, DayNumbersRoundTrip) {
    for (int y = 1; y <= 1600; ++y) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= monthLength(y, m); ++d) {
                CalendarDate h;
                ASSERT_EQ(hijriFromDayNumber(hijriDayNumber(y, m, d), h), hijriDayNumber(y, m, 1));
                ASSERT_EQ(h.hijriYear, y);
                ASSERT_EQ(h.hijriMonth, m);
                ASSERT_EQ(h.hijriDay, d);
            }
            const double start = hijriDayNumberReal(y, m, 1.0);
            for (int d = 1; d <= 28; ++d) {
                CalendarDate r;
                const double noon = hijriDayNumberReal(y, m, d) + 0.5;
                ASSERT_EQ(hijriFromDayNumberReal(noon, r), start) << y << "-" << m << "-" << d;
                ASSERT_EQ(r.hijriYear, y);
                ASSERT_EQ(r.hijriMonth, m);
                ASSERT_EQ(r.hijriDay, d);
            }
        }
    }
}

// The month formula reaches 13 on the 30th of Thu Al-Hijja and falls below 1 before the epoch;
// the month is kept within 1..12 (a month 13 or 0 would index past the name table).
TEST(TabularHijri, MonthKeptWithinTheYear) {
    CalendarDate h;
    for (long n = 1948440 - 2000; n < 1948440 + 20000; ++n) {
        hijriFromDayNumber(n, h);
        ASSERT_GE(h.hijriMonth, 1) << n;
        ASSERT_LE(h.hijriMonth, 12) << n;
        hijriFromDayNumberReal(n + 0.25, h);
        ASSERT_GE(h.hijriMonth, 1) << n;
        ASSERT_LE(h.hijriMonth, 12) << n;
    }
    const long lastOfLeapYear = hijriDayNumber(2, 12, 30);  // year 2 is a leap year
    hijriFromDayNumber(lastOfLeapYear, h);
    EXPECT_EQ(h.hijriMonth, 12);
    EXPECT_EQ(h.hijriDay, 30);
}

}  // namespace
}  // namespace kelmo
