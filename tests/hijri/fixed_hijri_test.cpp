// Tests of the Hijri calendars fixed in advance (Umm al-Qura, tabular) and of the round trip
// of every calendar. The reference is ICU used directly through its C interface (ucal_*,
// dates set by year, month and day and read back as UTC milliseconds): "islamic-umalqura"
// for Umm al-Qura and "islamic-civil" for the tabular calendar.
#include "hijri/fixed_hijri.h"

#include <gtest/gtest.h>
#include <unicode/ucal.h>

#include <cmath>

#include "calendar/julian_day.h"
#include "hijri/hijri_date.h"
#include "moon/lunation_memo.h"

#include "support/civil_date.h"
#include "support/places.h"

namespace kelmo {
namespace {

constexpr double kUnixEpochJd = 2440587.5;  // 1 January 1970, 0h
constexpr int kFirstYear = 1400;
constexpr int kLastYear = 1500;

// The Julian day (0h) ICU gives to 1 of Hijri month (year, month) of the named calendar.
double icuMonthStart(const char* calendar, int year, int month) {
    UErrorCode status = U_ZERO_ERROR;
    UCalendar* cal = ucal_open(u"UTC", -1, calendar, UCAL_DEFAULT, &status);
    ucal_clear(cal);
    ucal_setDateTime(cal, year, month - 1, 1, 0, 0, 0, &status);
    const UDate millis = ucal_getMillis(cal, &status);
    ucal_close(cal);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return kUnixEpochJd + std::floor(millis / 86400000.0);
}

Config calendar(HijriCalendar c) {
    Config config;
    config.hijriCalendar = c;
    return config;
}

// Julian day (0h) of the civil date of Hijri (year, month, day), or 0 when it does not convert.
double civilOfHijri(int year, int month, int day, const Config& config) {
    CalendarDate d;
    d.hijriYear = year;
    d.hijriMonth = month;
    d.hijriDay = day;
    return dateFromHijri(d, test::mecca(), config) == 1 ? julianDay(d) : 0.0;
}

TEST(FixedHijri, MonthStartsOfEveryMonthEqualIcus) {
    const struct {
        HijriCalendar ours;
        const char* icu;
    } calendars[] = {{HijriCalendar::ummAlQura, "@calendar=islamic-umalqura"},
                     {HijriCalendar::tabular, "@calendar=islamic-civil"}};
    for (const auto& c : calendars) {
        for (int y = kFirstYear; y <= kLastYear; ++y) {
            for (int m = 1; m <= 12; ++m) {
                ASSERT_EQ(civilOfHijri(y, m, 1, calendar(c.ours)), icuMonthStart(c.icu, y, m))
                    << c.icu << " " << y << "-" << m;
            }
        }
    }
}

// Every civil day from 1 Muharram 1400 to the end of 1500 (Umm al-Qura) comes back from its
// Hijri date, and consecutive days have consecutive Hijri dates. The crescent calendar at Mecca
// is checked on every seventh day (each day needs the Moon: all of them take too long).
TEST(FixedHijri, CivilToHijriToCivilRoundTripsInEveryCalendar) {
    const Config umm = calendar(HijriCalendar::ummAlQura);
    const double first = civilOfHijri(kFirstYear, 1, 1, umm);
    const double end = civilOfHijri(kLastYear + 1, 1, 1, umm);
    ASSERT_GT(end - first, 35000.0);
    LunationMemo memo;
    for (HijriCalendar c :
         {HijriCalendar::ummAlQura, HijriCalendar::tabular, HijriCalendar::crescent}) {
        const Config config = calendar(c);
        const int step = c == HijriCalendar::crescent ? 7 : 1;
        CalendarDate previous;
        for (double jd = first; jd < end; jd += step) {
            CalendarDate d;
            dateFromJulianDay(jd, d);
            ASSERT_EQ(hijriFromDate(d, test::mecca(), config, memo), 1) << jd;
            const CalendarDate hijri = d;
            d.year = d.month = 0;
            ASSERT_EQ(dateFromHijri(d, test::mecca(), config, memo), 1) << jd;
            ASSERT_EQ(julianDay(d), jd) << static_cast<int>(c) << " " << hijri.hijriYear << "-"
                                        << hijri.hijriMonth << "-" << hijri.hijriDay;
            if (step == 1 && jd > first) {
                const bool nextDay = hijri.hijriDay == previous.hijriDay + 1 &&
                                     hijri.hijriMonth == previous.hijriMonth;
                const bool nextMonth = hijri.hijriDay == 1 && previous.hijriDay >= 29;
                ASSERT_TRUE(nextDay || nextMonth) << jd;
            }
            previous = hijri;
        }
    }
}

// Outside 1300..1600 AH Umm al-Qura says so in both directions (ICU would go on with the
// arithmetic calendar); the day adjustment shifts the Hijri date by whole days; a 30th of a
// 29-day month is refused.
TEST(FixedHijri, LimitsAndAdjustment) {
    Config umm = calendar(HijriCalendar::ummAlQura);
    CalendarDate d;
    d.hijriYear = 1601;
    d.hijriMonth = 1;
    d.hijriDay = 1;
    EXPECT_EQ(dateFromHijri(d, test::mecca(), umm), kHijriOutsideCalendar);
    d.hijriYear = 1299;
    EXPECT_EQ(dateFromHijri(d, test::mecca(), umm), kHijriOutsideCalendar);
    CalendarDate old = test::civil(1850, 1, 1);
    EXPECT_EQ(hijriFromDate(old, test::mecca(), umm), kHijriOutsideCalendar);
    EXPECT_EQ(old.hijriValid, 0);

    CalendarDate day = test::civil(2024, 3, 10);
    CalendarDate next = test::civil(2024, 3, 11);
    umm.hijriAdjust = 1;
    ASSERT_EQ(hijriFromDate(day, test::mecca(), umm), 1);
    umm.hijriAdjust = 0;
    ASSERT_EQ(hijriFromDate(next, test::mecca(), umm), 1);
    EXPECT_EQ(day.hijriYear * 1000 + day.hijriMonth * 40 + day.hijriDay,
              next.hijriYear * 1000 + next.hijriMonth * 40 + next.hijriDay);

    for (HijriCalendar c : {HijriCalendar::ummAlQura, HijriCalendar::tabular}) {
        const Config config = calendar(c);
        int shortMonth = 1;  // the first month of 1445 with 29 days
        while (civilOfHijri(1445, shortMonth + 1, 1, config) -
                   civilOfHijri(1445, shortMonth, 1, config) !=
               29.0) {
            ASSERT_LT(++shortMonth, 12);
        }
        CalendarDate last;
        last.hijriYear = 1445;
        last.hijriMonth = shortMonth;
        last.hijriDay = 29;
        EXPECT_EQ(dateFromHijri(last, test::mecca(), config), 1);
        last.hijriDay = 30;
        EXPECT_EQ(dateFromHijri(last, test::mecca(), config), kHijriDayBeyondMonth);
    }
}

}  // namespace
}  // namespace kelmo
