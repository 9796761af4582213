// Hijri dates by crescent visibility, and the tabular Islamic calendar.
#include "calendar/hijri.h"

#include <algorithm>
#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/lunation_memo.h"
#include "moon/moon_data_at_sunset.h"  // the month start is decided by the Moon at sunset

namespace kelmo {

namespace {

// Days in the mean tabular month.
constexpr double kTabularMonthDays = 29.5;
// Step of the latitude retreat toward the equator.
constexpr double kLatitudeRetreat = 2.0 * kDegToRad;
// A month search restarts this many days before a month found too late.
constexpr double kSearchBackDays = 35.0;
// Longest month the search accepts as containing the date (days after its first day).
constexpr double kLongestMonthDays = 30.0;

// Year of the tabular calendar containing day number n.
long tabularYear(long n) {
    return (30 * (n - static_cast<long>(kHijriEpoch)) + 10646) / 10631;
}

int monthWithinYear(double m) {
    return static_cast<int>(std::clamp(m, 1.0, 12.0));
}

// One latitude step toward the equator; false when the equator was already tried.
bool retreatTowardEquator(Location& location) {
    if (location.latitude == 0.0) return false;
    location.latitude = location.latitude > 0.0
                            ? std::max(location.latitude - kLatitudeRetreat, 0.0)
                            : std::min(location.latitude + kLatitudeRetreat, 0.0);
    return true;
}

// moonDataAtSunset, with the lunations kept in memo when there is one.
int moonAtSunset(const CalendarDate& date, const Location& location, const Config& config,
                 MoonSunsetData& data, LunationMemo* memo) {
    return memo != nullptr ? moonDataAtSunset(date, location, config, data, *memo)
                           : moonDataAtSunset(date, location, config, data);
}

int hijriFromDateWith(CalendarDate& date, Location location, const Config& config,
                      LunationMemo* memo) {
    CalendarDate civilDay = date;  // the whole day: a time of day must not leak into hijriDay
    civilDay.day = std::floor(date.day);
    const double j0 = julianDay(civilDay);
    date.hijriValid = 0;
    if (kHijriEpoch + config.hijriAdjust > j0) return 0;  // pre Hijri
    const double j = j0 + config.hijriAdjust;

    // location is this call's copy: its latitude may move toward the equator below.
    double x = j;
    double monthStart = 0.0;
    for (;;) {
        CalendarDate scratch;
        dateFromJulianDay(x, scratch);
        MoonSunsetData moon;
        if (moonAtSunset(scratch, location, config, moon, memo) == 0) {
            if (!retreatTowardEquator(location)) return 0;
            continue;
        }
        monthStart = moon.monthStart;
        if (j < monthStart) {
            x = monthStart - kSearchBackDays;  // that month begins after the date
        } else if (j - monthStart > kLongestMonthDays) {
            x = monthStart + 1.0;
        } else {
            break;
        }
    }
    // Five days into the month lies safely inside the tabular month of the same number.
    CalendarDate named = date;
    hijriFromDayNumber(static_cast<long>(monthStart + 5.0), named);
    date.hijriYear = named.hijriYear;
    date.hijriMonth = named.hijriMonth;
    date.hijriDay = j - monthStart + 1.0;
    date.hijriValid = 1;
    return 1;
}

int dateFromHijriWith(CalendarDate& date, const Location& location, const Config& config,
                      LunationMemo* memo) {
    const double a = std::trunc(hijriDayNumberReal(date.hijriYear, date.hijriMonth, date.hijriDay));
    CalendarDate scratch;
    dateFromJulianDay(a + 0.5, scratch);
    if (hijriFromDateWith(scratch, location, config, memo) == 0) return 0;
    const double b =
        std::trunc(hijriDayNumberReal(scratch.hijriYear, scratch.hijriMonth, scratch.hijriDay));
    dateFromJulianDay(2.0 * a - b + 0.5, date);
    return 1;
}

}  // namespace

long hijriDayNumber(int year, int month, int day) {
    const long y = year;
    return static_cast<long>(std::ceil((month - 1) * kTabularMonthDays)) + day + 354 * y - 354 +
           (11 * y + 3) / 30 + static_cast<long>(kHijriEpoch) - 1;
}

double hijriDayNumberReal(int year, int month, double day) {
    return std::floor((month - 1) * kTabularMonthDays + day + (year - 1) * 354.0 +
                      (11.0 * year + 3.0) / 30.0 + kHijriEpoch - 1.0) +
           0.5;
}

long hijriFromDayNumber(long n, CalendarDate& date) {
    const long y = tabularYear(n);
    const long first = hijriDayNumber(static_cast<int>(y), 1, 1);
    const int m = monthWithinYear(std::ceil((n - first - 29) / kTabularMonthDays) + 1.0);
    const long monthStart = hijriDayNumber(static_cast<int>(y), m, 1);
    date.hijriYear = static_cast<int>(y);
    date.hijriMonth = m;
    date.hijriDay = static_cast<double>(n - monthStart + 1);
    return monthStart;
}

double hijriFromDayNumberReal(double x, CalendarDate& date) {
    const double n = std::floor(x);
    const int y = static_cast<int>(tabularYear(static_cast<long>(n)));
    const double first = hijriDayNumberReal(y, 1, 1.0);
    const int m = monthWithinYear(std::ceil((n - 29.0 - first) / kTabularMonthDays) + 1.0);
    const double monthStart = hijriDayNumberReal(y, m, 1.0);
    date.hijriYear = y;
    date.hijriMonth = m;
    date.hijriDay = std::floor(n + 1.0 - monthStart);
    return monthStart;
}

int hijriFromDate(CalendarDate& date, Location location, const Config& config) {
    return hijriFromDateWith(date, location, config, nullptr);
}

int hijriFromDate(CalendarDate& date, Location location, const Config& config, LunationMemo& memo) {
    return hijriFromDateWith(date, location, config, &memo);
}

int dateFromHijri(CalendarDate& date, const Location& location, const Config& config) {
    return dateFromHijriWith(date, location, config, nullptr);
}

int dateFromHijri(CalendarDate& date, const Location& location, const Config& config,
                  LunationMemo& memo) {
    return dateFromHijriWith(date, location, config, &memo);
}

}  // namespace kelmo
