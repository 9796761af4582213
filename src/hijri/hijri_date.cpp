// Hijri dates by crescent visibility.
#include "hijri/hijri_date.h"

#include <algorithm>
#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "hijri/fixed_hijri.h"
#include "moon/lunation_memo.h"
#include "moon/moon_data_at_sunset.h"  // the month start is decided by the Moon at sunset
#include "moon/new_moon.h"

namespace kelmo {

namespace {

// Step of the latitude retreat toward the equator.
constexpr double kLatitudeRetreat = 2.0 * kDegToRad;
// A month search restarts this many days before a month found too late.
constexpr double kSearchBackDays = 35.0;
// The length of a short month; the longest (kLongestMonthDays) is also the farthest from its
// first day that the search accepts the date.
constexpr double kShortMonthDays = 29.0;
// The day of a month found (counted from its first, 0) by which it is named: five days in
// lies safely inside the tabular month of the same number.
constexpr double kNamingDay = 5.0;
// Steps of whole months from the tabular guess to the asked month (the tabular and the
// crescent calendar differ by a few days, so one step is the rule).
constexpr int kMonthSearchAttempts = 4;

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

// crescentEvening, with the lunations kept in memo when there is one. Each lunation retreats
// from the location's own latitude: a retreat kept for the next lunation searched would decide
// one month at two latitudes, and a day of it would be skipped or counted twice.
int crescentEveningAt(const CalendarDate& date, Location location, const Config& config,
                      MoonSunsetData& data, LunationMemo* memo) {
    while (moonAtSunset(date, location, config, data, memo) == 0) {
        if (!retreatTowardEquator(location)) return 0;
    }
    return 1;
}

// The month of the crescent calendar that holds the day j (Julian day at 0h, hijriAdjust
// included): its first day and its tabular name.
struct FoundMonth {
    double start = 0.0;
    int year = 0;
    int month = 0;
};

// Searches the month that holds j; false where no latitude between the location's and the
// equator gives an evening to judge the crescent on.
bool monthHolding(double j, const Location& location, const Config& config, LunationMemo* memo,
                  FoundMonth& found) {
    double x = j;
    for (;;) {
        CalendarDate scratch;
        dateFromJulianDay(x, scratch);
        MoonSunsetData moon;
        if (crescentEveningAt(scratch, location, config, moon, memo) == 0) return false;
        if (j < moon.monthStart) {
            x = moon.monthStart - kSearchBackDays;  // that month begins after the date
        } else if (j - moon.monthStart > kLongestMonthDays) {
            x = moon.monthStart + 1.0;
        } else {
            found.start = moon.monthStart;
            break;
        }
    }
    // Five days into the month lies safely inside the tabular month of the same number.
    CalendarDate named;
    hijriFromDayNumber(static_cast<long>(found.start + kNamingDay), named);
    found.year = named.hijriYear;
    found.month = named.hijriMonth;
    return true;
}

int hijriFromDateWith(CalendarDate& date, const Location& location, const Config& config,
                      LunationMemo* memo) {
    if (config.hijriCalendar != HijriCalendar::crescent) return fixedHijriFromDate(date, config);
    CalendarDate civilDay = date;  // the whole day: a time of day must not leak into hijriDay
    civilDay.day = std::floor(date.day);
    const double j0 = julianDay(civilDay);
    date.hijriValid = 0;
    if (kHijriEpoch + config.hijriAdjust > j0) return 0;  // pre Hijri
    const double j = j0 + config.hijriAdjust;
    FoundMonth month;
    if (!monthHolding(j, location, config, memo, month)) return 0;
    date.hijriYear = month.year;
    date.hijriMonth = month.month;
    date.hijriDay = j - month.start + 1.0;
    date.hijriValid = 1;
    return 1;
}

// Months from the start of the calendar, to compare two Hijri months.
int monthIndex(int year, int month) {
    return year * kMonthsPerHijriYear + month;
}

// The exact inverse of hijriFromDateWith: the first day of the asked month by the same
// crescent decision at the same place, found from the tabular guess by whole months, plus
// the day - 1.
int dateFromHijriWith(CalendarDate& date, const Location& location, const Config& config,
                      LunationMemo* memo) {
    if (config.hijriCalendar != HijriCalendar::crescent) return fixedDateFromHijri(date, config);
    const int wanted = monthIndex(date.hijriYear, date.hijriMonth);
    double j =
        std::trunc(hijriDayNumberReal(date.hijriYear, date.hijriMonth, 1.0)) + 0.5 + kNamingDay;
    FoundMonth month;
    for (int attempt = 0;; ++attempt) {
        if (attempt == kMonthSearchAttempts) return 0;
        if (!monthHolding(j, location, config, memo, month)) return 0;
        const int off = wanted - monthIndex(month.year, month.month);
        if (off == 0) break;
        j = month.start + kNamingDay + std::round(off * kSynodicMonthDays);
    }
    // The month has 30 days when its 30th day still lies in it.
    FoundMonth following;
    if (!monthHolding(month.start + kLongestMonthDays - 1.0, location, config, memo, following)) {
        return 0;
    }
    const double length = following.start == month.start ? kLongestMonthDays : kShortMonthDays;
    if (date.hijriDay < 1.0 || date.hijriDay > length) return kHijriDayBeyondMonth;
    dateFromJulianDay(month.start + std::floor(date.hijriDay) - 1.0 - config.hijriAdjust, date);
    return 1;
}

}  // namespace

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

int crescentEvening(const CalendarDate& date, Location location, const Config& config,
                    MoonSunsetData& data) {
    return crescentEveningAt(date, location, config, data, nullptr);
}

}  // namespace kelmo
