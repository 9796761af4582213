// Tests of the Hijri dates decided by the crescent.
#include "hijri/hijri_date.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/tabular_hijri.h"
#include "moon/lunation_memo.h"
#include "moon/moon_data_at_sunset.h"

#include "support/civil_date.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::place;

const Location kMecca = test::mecca();

using test::civil;

CalendarDate civilOf(double jd) {
    CalendarDate d;
    dateFromJulianDay(jd, d);
    return d;
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

// dateFromHijri is the exact inverse of hijriFromDate: civil -> Hijri -> civil gives the same
// day for every day of 1400..1500 AH (1979..2077) at Mecca, London and Jakarta (the month ends
// once came back a day off: at Mecca 33 of 71 thirtieths and 13 of 132 twenty-ninths in
// 1440..1450), and a 30th asked of a month of 29 days is refused, not moved to the 1st of the
// next month.
TEST(DateFromHijri, ExactInverseOfEveryDay1400To1500) {
    Config config;
    const Location places[] = {kMecca, place(51.5, -0.12, 0.0, 20), place(-6.2, 106.8, 7.0)};
    const double first = julianDay(civil(1979, 11, 21));  // 1 Muharram 1400 (tabular)
    const double last = julianDay(civil(2077, 11, 17));   // 30 Thu Al-Hijja 1500 (tabular)
    for (const Location& at : places) {
        LunationMemo memo;
        int thirtieths = 0, refused = 0;
        for (double jd = first; jd <= last; jd += 1.0) {
            CalendarDate hijri = civilOf(jd);
            ASSERT_EQ(hijriFromDate(hijri, at, config, memo), 1);
            CalendarDate back;
            back.hijriYear = hijri.hijriYear;
            back.hijriMonth = hijri.hijriMonth;
            back.hijriDay = hijri.hijriDay;
            ASSERT_EQ(dateFromHijri(back, at, config, memo), 1) << jd;
            ASSERT_EQ(julianDay(back), jd)
                << hijri.hijriYear << "-" << hijri.hijriMonth << "-" << hijri.hijriDay;
            if (hijri.hijriDay != 29.0) continue;
            // After a 29th: the next day is either the 30th or the 1st of the next month.
            CalendarDate next = civilOf(jd + 1.0);
            ASSERT_EQ(hijriFromDate(next, at, config, memo), 1);
            CalendarDate thirtieth = hijri;
            thirtieth.hijriDay = 30.0;
            const int answer = dateFromHijri(thirtieth, at, config, memo);
            if (next.hijriDay == 30.0) {
                EXPECT_EQ(answer, 1);
                ++thirtieths;
            } else {
                EXPECT_EQ(answer, kHijriDayBeyondMonth) << jd;
                ++refused;
            }
        }
        EXPECT_GT(thirtieths, 500);  // 1212 months, about half of them of 30 days
        EXPECT_GT(refused, 500);
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
