// Tests of the Hijri calendar: the tabular day numbers and the dates decided by the crescent.
#include "calendar/hijri.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/lunation_memo.h"
#include "moon/moon_data_at_sunset.h"

#include "support/places.h"

namespace kelmo {
namespace {

using test::place;

const Location kMecca = place(21.4225, 39.8262, 3.0, 277);

CalendarDate civil(int y, int m, int d) {
    return CalendarDate{.year = y, .month = m, .day = double(d)};
}

CalendarDate civilOf(double jd) {
    CalendarDate d;
    dateFromJulianDay(jd, d);
    return d;
}

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

TEST(HijriFromDate, PreHijriDates) {
    const Config config;
    CalendarDate d = civilOf(1948439.5);  // the day before the epoch
    d.hijriYear = 7;
    d.hijriMonth = 8;
    d.hijriDay = 9.0;
    d.hijriValid = 1;
    EXPECT_EQ(hijriFromDate(d, kMecca, config), 0);
    EXPECT_EQ(d.hijriValid, 0);
    EXPECT_EQ(d.hijriYear, 7);
    EXPECT_EQ(d.hijriMonth, 8);
    EXPECT_EQ(d.hijriDay, 9.0);
    // The epoch's own day counts; moved one day on by hijriAdjust it is before the epoch.
    CalendarDate epoch = civilOf(1948440.5);
    EXPECT_EQ(hijriFromDate(epoch, kMecca, config), 1);
    Config plusOne;
    plusOne.hijriAdjust = 1;
    EXPECT_EQ(hijriFromDate(epoch, kMecca, plusOne), 0);
}

// Reference: the Umm al-Qura calendar of Saudi Arabia began Ramadan 1445 on 11 March 2024;
// by crescent visibility at Mecca the month may start a day later, so 15 March 2024 is the
// 4th or 5th of Ramadan 1445.
TEST(HijriFromDate, Ramadan1445AtMecca) {
    const Config config;
    CalendarDate d = civil(2024, 3, 15);
    ASSERT_EQ(hijriFromDate(d, kMecca, config), 1);
    EXPECT_EQ(d.hijriValid, 1);
    EXPECT_EQ(d.hijriYear, 1445);
    EXPECT_EQ(d.hijriMonth, 9);
    EXPECT_TRUE(d.hijriDay == 4.0 || d.hijriDay == 5.0) << d.hijriDay;
}

TEST(HijriFromDate, AdjustMovesByWholeDays) {
    Config plus, minus, none;
    plus.hijriAdjust = 1;
    minus.hijriAdjust = -1;
    for (const int day : {1, 9, 10, 11, 20, 28}) {
        CalendarDate today = civil(2026, 12, day);
        CalendarDate next = today, previous = today, adjustedUp = today, adjustedDown = today;
        next.day += 1.0;
        previous.day -= 1.0;
        ASSERT_EQ(hijriFromDate(adjustedUp, kMecca, plus), 1);
        ASSERT_EQ(hijriFromDate(adjustedDown, kMecca, minus), 1);
        ASSERT_EQ(hijriFromDate(next, kMecca, none), 1);
        ASSERT_EQ(hijriFromDate(previous, kMecca, none), 1);
        EXPECT_EQ(adjustedUp.hijriDay, next.hijriDay) << day;
        EXPECT_EQ(adjustedUp.hijriMonth, next.hijriMonth) << day;
        EXPECT_EQ(adjustedDown.hijriDay, previous.hijriDay) << day;
        EXPECT_EQ(adjustedDown.hijriMonth, previous.hijriMonth) << day;
    }
}

// Across a month boundary: when the crescent is judged visible on the evening of the new
// moon's day D, D + 1 is the 1st of the new month; otherwise D + 1 is still the 29th or 30th
// of the old month and D + 2 the 1st.
TEST(HijriFromDate, MonthStartsAfterTheVisibleCrescent) {
    const Config config;
    const double first = julianDay(civil(2024, 1, 1));
    int visible = 0, notVisible = 0;
    for (int lunation = 0; lunation < 24; ++lunation) {
        MoonSunsetData m;
        ASSERT_EQ(moonDataAtSunset(civilOf(first + lunation * 29.530588853), kMecca, config, m), 1);
        const double d = std::floor(m.topocentricNewMoon - 0.5) + 0.5;
        if (m.sunsetDay != d) continue;  // the new moon's own evening did not qualify
        CalendarDate dayAfter = civilOf(d + 1.0);
        ASSERT_EQ(hijriFromDate(dayAfter, kMecca, config), 1);
        if (m.monthStart == d + 1.0) {
            EXPECT_EQ(dayAfter.hijriDay, 1.0);
            ++visible;
        } else {
            EXPECT_GE(dayAfter.hijriDay, 29.0);
            EXPECT_LE(dayAfter.hijriDay, 30.0);
            CalendarDate twoAfter = civilOf(d + 2.0);
            ASSERT_EQ(hijriFromDate(twoAfter, kMecca, config), 1);
            EXPECT_EQ(twoAfter.hijriDay, 1.0);
            EXPECT_EQ(twoAfter.hijriMonth, dayAfter.hijriMonth % 12 + 1);
            ++notVisible;
        }
    }
    EXPECT_GT(visible, 0);
    EXPECT_GT(notVisible, 0);
}

// Day after day the Hijri date counts up by one, or starts a new month after a 29th or 30th
// (two years at Mecca: 24 or 25 month starts decided by the crescent).
TEST(HijriFromDate, ConsecutiveDaysCountUp) {
    const Config config;
    const double first = julianDay(civil(2025, 1, 1));
    CalendarDate previous = civilOf(first);
    ASSERT_EQ(hijriFromDate(previous, kMecca, config), 1);
    int monthStarts = 0;
    for (int i = 1; i < 730; ++i) {
        CalendarDate d = civilOf(first + i);
        ASSERT_EQ(hijriFromDate(d, kMecca, config), 1);
        if (d.hijriDay == 1.0) {
            EXPECT_TRUE(previous.hijriDay == 29.0 || previous.hijriDay == 30.0) << i;
            EXPECT_EQ(d.hijriMonth, previous.hijriMonth % 12 + 1) << i;
            EXPECT_EQ(d.hijriYear, previous.hijriYear + (d.hijriMonth == 1 ? 1 : 0)) << i;
            ++monthStarts;
        } else {
            EXPECT_EQ(d.hijriDay, previous.hijriDay + 1.0) << i;
            EXPECT_EQ(d.hijriMonth, previous.hijriMonth) << i;
        }
        previous = d;
    }
    EXPECT_GE(monthStarts, 24);  // 730 days hold 24.7 lunations
    EXPECT_LE(monthStarts, 25);
}

// Hijri -> civil -> Hijri for the 10th of every month of 1400..1500 AH at Mecca.
TEST(DateFromHijri, RoundTripsEveryMonth1400To1500) {
    const Config config;
    for (int y = 1400; y <= 1500; ++y) {
        for (int m = 1; m <= 12; ++m) {
            CalendarDate d;
            d.hijriYear = y;
            d.hijriMonth = m;
            d.hijriDay = 10.0;
            ASSERT_EQ(dateFromHijri(d, kMecca, config), 1);
            CalendarDate back = civil(d.year, d.month, static_cast<int>(d.day));
            ASSERT_EQ(hijriFromDate(back, kMecca, config), 1);
            ASSERT_EQ(back.hijriYear, y) << m;
            ASSERT_EQ(back.hijriMonth, m) << y;
            ASSERT_EQ(back.hijriDay, 10.0) << y << "-" << m;
        }
    }
}

// Where the Moon computation fails (polar night) the search moves toward the equator and
// finds the same month as a place further south on the same meridian, give or take a day.
TEST(HijriFromDate, PolarNightRetreatsTowardTheEquator) {
    const Config config;
    const Location north = place(80.0, 39.8262, 3.0);
    CalendarDate polar = civil(2026, 12, 20);
    CalendarDate mecca = polar;
    ASSERT_EQ(hijriFromDate(polar, north, config), 1);
    ASSERT_EQ(hijriFromDate(mecca, kMecca, config), 1);
    const long polarDay = hijriDayNumber(polar.hijriYear, polar.hijriMonth, int(polar.hijriDay));
    const long meccaDay = hijriDayNumber(mecca.hijriYear, mecca.hijriMonth, int(mecca.hijriDay));
    EXPECT_LE(std::abs(polarDay - meccaDay), 1);
}

// Where no latitude gives a sunset at all (here an absurd temperature makes the refraction
// swallow every sunset) the retreat stops after the equator and the date is not converted,
// instead of searching forever.
TEST(HijriFromDate, RetreatStopsAtTheEquator) {
    Config config;
    config.temperature = -273;
    CalendarDate d = civil(2026, 12, 20);
    d.hijriYear = 5;
    EXPECT_EQ(hijriFromDate(d, kMecca, config), 0);
    EXPECT_EQ(d.hijriValid, 0);
    EXPECT_EQ(d.hijriYear, 5);
    CalendarDate h;
    h.hijriYear = 1448;
    h.hijriMonth = 6;
    h.hijriDay = 10.0;
    h.year = 1999;
    EXPECT_EQ(dateFromHijri(h, kMecca, config), 0);
    EXPECT_EQ(h.year, 1999);
}

// The lunation memo changes nothing: every day of 14 months at Mecca, London and a place in the
// polar night (whose search retreats toward the equator), converted through one shared memo,
// gives the same records bit for bit as without it; so does Hijri -> civil for every month.
bool sameRecord(const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.hijriYear == b.hijriYear &&
           a.hijriMonth == b.hijriMonth && a.hijriValid == b.hijriValid &&
           std::bit_cast<std::uint64_t>(a.day) == std::bit_cast<std::uint64_t>(b.day) &&
           std::bit_cast<std::uint64_t>(a.hijriDay) == std::bit_cast<std::uint64_t>(b.hijriDay) &&
           a.hour == b.hour && a.minute == b.minute && a.second == b.second;
}

TEST(HijriFromDate, LunationMemoGivesTheSameRecords) {
    Config config;
    config.hijriAdjust = -1;
    const Location london = place(51.5, -0.12, 0.0, 20);
    const Location north = place(80.0, 15.0, 1.0);
    LunationMemo memo;
    const double first = julianDay(civil(2025, 11, 1));
    for (int i = 0; i < 425; ++i) {
        for (const Location& l : {kMecca, london, north}) {
            CalendarDate direct = civilOf(first + i + 0.75);  // with a time of day
            CalendarDate kept = direct;
            ASSERT_EQ(hijriFromDate(kept, l, config, memo), hijriFromDate(direct, l, config));
            ASSERT_TRUE(sameRecord(kept, direct)) << i;
            ASSERT_EQ(direct.hijriValid, 1);
        }
    }
    for (int m = 1; m <= 12; ++m) {
        for (const Location& l : {kMecca, london, north}) {
            CalendarDate direct;
            direct.hijriYear = 1447;
            direct.hijriMonth = m;
            direct.hijriDay = 1.0;
            CalendarDate kept = direct;
            ASSERT_EQ(dateFromHijri(kept, l, config, memo), dateFromHijri(direct, l, config));
            ASSERT_TRUE(sameRecord(kept, direct)) << m;
        }
    }
}

// Failures through the memo fail the same way and leave the fields alone.
TEST(HijriFromDate, LunationMemoKeepsFailures) {
    Config config;
    config.temperature = -273;
    LunationMemo memo;
    for (int pass = 0; pass < 2; ++pass) {
        CalendarDate d = civil(2026, 12, 20);
        d.hijriYear = 5;
        EXPECT_EQ(hijriFromDate(d, kMecca, config, memo), 0);
        EXPECT_EQ(d.hijriValid, 0);
        EXPECT_EQ(d.hijriYear, 5);
    }
}

}  // namespace
}  // namespace kelmo
