// Tests of the Hijri calendars fixed in advance (Umm al-Qura, tabular) and of their round
// trip. The reference is ICU used directly through its C interface (ucal_*,
// dates set by year, month and day and read back as UTC milliseconds): "islamic-umalqura"
// for Umm al-Qura and "islamic-civil" for the tabular calendar.
#include "hijri/fixed_hijri.h"

#include <gtest/gtest.h>
#include <unicode/ucal.h>

#include <cmath>

#include "calendar/julian_day.h"
#include "calendar/umm_al_qura.h"
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

// dateFromHijri's answer for Hijri (year, month, day); jd: the civil day's Julian day (0h).
int toCivil(int year, int month, int day, const Config& config, double& jd) {
    CalendarDate d;
    d.hijriYear = year;
    d.hijriMonth = month;
    d.hijriDay = day;
    const int answer = dateFromHijri(d, test::mecca(), config);
    jd = julianDay(d);
    return answer;
}

double civilOfHijri(int year, int month, int day, const Config& config) {
    double jd = 0.0;
    return toCivil(year, month, day, config, jd) == 1 ? jd : 0.0;
}

TEST(FixedHijri, MonthStartsOfEveryMonthEqualIcus) {
    const struct {
        HijriCalendar ours;
        const char* icu;
    } calendars[] = {{HijriCalendar::ummAlQura, "@calendar=islamic-umalqura"},
                     {HijriCalendar::tabular, "@calendar=islamic-civil"}};
    // Every month of Umm al-Qura's table: its first day and its length (a 30th day exists).
    for (const auto& c : calendars) {
        for (int y = kFirstUmmAlQuraYear; y <= kLastUmmAlQuraYear; ++y) {
            for (int m = 1; m <= 12; ++m) {
                const double start = icuMonthStart(c.icu, y, m);
                const double next =
                    m == 12 ? icuMonthStart(c.icu, y + 1, 1) : icuMonthStart(c.icu, y, m + 1);
                ASSERT_EQ(civilOfHijri(y, m, 1, calendar(c.ours)), start)
                    << c.icu << " " << y << "-" << m;
                ASSERT_EQ(civilOfHijri(y, m, 30, calendar(c.ours)),
                          next == start + 30 ? next - 1 : 0)
                    << c.icu << " " << y << "-" << m << " 30";
            }
        }
    }
}

// Every civil day from 1 Muharram 1400 to the end of 1500 (Umm al-Qura) comes back from its
// Hijri date. The crescent calendar's round trip over the same years is
// DateFromHijri.ExactInverseOfEveryDay1400To1500 (hijri_date_test.cpp).
TEST(FixedHijri, CivilToHijriToCivilRoundTripsInEveryCalendar) {
    const Config umm = calendar(HijriCalendar::ummAlQura);
    const double first = civilOfHijri(kFirstYear, 1, 1, umm);
    const double end = civilOfHijri(kLastYear + 1, 1, 1, umm);
    ASSERT_GT(end - first, 35000.0);
    LunationMemo memo;
    for (HijriCalendar c : {HijriCalendar::ummAlQura, HijriCalendar::tabular}) {
        const Config config = calendar(c);
        for (double jd = first; jd < end; jd += 1.0) {
            CalendarDate d;
            dateFromJulianDay(jd, d);
            ASSERT_EQ(hijriFromDate(d, test::mecca(), config, memo), 1) << jd;
            d.year = d.month = 0;
            ASSERT_EQ(dateFromHijri(d, test::mecca(), config, memo), 1) << jd;
            ASSERT_EQ(julianDay(d), jd) << static_cast<int>(c);
        }
    }
}

// Outside 1300..1600 AH Umm al-Qura says so in both directions (ICU would go on with the
// arithmetic calendar); the day adjustment shifts the Hijri date by whole days; the 30th of
// a 29-day month is refused.
TEST(FixedHijri, LimitsAndAdjustment) {
    Config umm = calendar(HijriCalendar::ummAlQura);
    double jd = 0.0;
    EXPECT_EQ(toCivil(1601, 1, 1, umm, jd), kHijriOutsideCalendar);
    EXPECT_EQ(toCivil(1299, 12, 1, umm, jd), kHijriOutsideCalendar);
    CalendarDate old = test::civil(1850, 1, 1);
    EXPECT_EQ(hijriFromDate(old, test::mecca(), umm), kHijriOutsideCalendar);
    EXPECT_EQ(old.hijriValid, 0);

    umm.hijriAdjust = 1;
    EXPECT_EQ(civilOfHijri(1445, 9, 1, umm) + 1.0,
              civilOfHijri(1445, 9, 1, calendar(HijriCalendar::ummAlQura)));
    for (HijriCalendar c : {HijriCalendar::ummAlQura, HijriCalendar::tabular}) {
        const Config config = calendar(c);
        int m = 1;  // the first month of 1445 with 29 days
        while (civilOfHijri(1445, m + 1, 1, config) - civilOfHijri(1445, m, 1, config) != 29.0) {
            ASSERT_LT(++m, 12);
        }
        EXPECT_EQ(toCivil(1445, m, 29, config, jd), 1);
        EXPECT_EQ(toCivil(1445, m, 30, config, jd), kHijriDayBeyondMonth);
    }
}

}  // namespace
}  // namespace kelmo
