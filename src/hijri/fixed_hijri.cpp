#include "hijri/fixed_hijri.h"

#include <cmath>

#include "calendar/julian_day.h"
#include "calendar/tabular_hijri.h"
#include "calendar/umm_al_qura.h"
#include "hijri/hijri_date.h"

namespace kelmo {

namespace {

// A Julian day number is the Julian day at the day's noon; julianDay gives its midnight.
constexpr double kMidnightToNoon = 0.5;

long civilJdn(const CalendarDate& date) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    return std::lround(julianDay(midnight) + kMidnightToNoon);
}

bool ummAlQura(const Config& config) {
    return config.hijriCalendar == HijriCalendar::ummAlQura;
}

long tabularMonthLength(int year, int month) {
    return month < kMonthsPerHijriYear
               ? hijriDayNumber(year, month + 1, 1) - hijriDayNumber(year, month, 1)
               : hijriDayNumber(year + 1, 1, 1) - hijriDayNumber(year, month, 1);
}

}  // namespace

int fixedHijriFromDate(CalendarDate& date, const Config& config) {
    date.hijriValid = 0;
    const long jdn = civilJdn(date) + config.hijriAdjust;
    HijriDay found;
    if (ummAlQura(config)) {
        if (!ummAlQuraFromJdn(jdn, found)) return kHijriOutsideCalendar;
    } else {
        if (jdn < kHijriEpoch) return 0;  // pre Hijri: the tabular day number is the JDN
        CalendarDate named;
        hijriFromDayNumber(jdn, named);
        found = {named.hijriYear, named.hijriMonth, static_cast<int>(named.hijriDay)};
    }
    date.hijriYear = found.year;
    date.hijriMonth = found.month;
    date.hijriDay = found.day;
    date.hijriValid = 1;
    return 1;
}

int fixedDateFromHijri(CalendarDate& date, const Config& config) {
    if (!(date.hijriDay >= 1.0 && date.hijriDay < kLongestMonthDays + 1.0))
        return kHijriDayBeyondMonth;
    const HijriDay wanted{date.hijriYear, date.hijriMonth,
                          static_cast<int>(std::floor(date.hijriDay))};
    if (wanted.month < 1 || wanted.month > kMonthsPerHijriYear) return 0;
    long jdn = 0;
    if (ummAlQura(config)) {
        if (wanted.year < kFirstUmmAlQuraYear || wanted.year > kLastUmmAlQuraYear) {
            return kHijriOutsideCalendar;
        }
        if (!jdnFromUmmAlQura(wanted, jdn)) return kHijriDayBeyondMonth;
    } else {
        if (wanted.year < kFirstHijriYear) return 0;
        if (wanted.day > tabularMonthLength(wanted.year, wanted.month)) {
            return kHijriDayBeyondMonth;
        }
        jdn = hijriDayNumber(wanted.year, wanted.month, wanted.day);
    }
    dateFromJulianDay(static_cast<double>(jdn - config.hijriAdjust) - kMidnightToNoon, date);
    return 1;
}

}  // namespace kelmo
