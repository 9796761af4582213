#include "calendar/local_time.h"

#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/summer_time.h"
#include "calendar/time_format.h"

namespace kelmo {

namespace {

constexpr double kOneMinuteInDays = 1.0 / (kHoursPerDay * kMinutesPerHour);

}  // namespace

LocalMoment currentLocalTime(const Location& location, const UtcTime& now) {
    LocalMoment local;
    CalendarDate& date = local.date;
    date.year = now.year;
    date.month = now.month;
    date.day = now.day + (now.hour + now.minute / 60.0 + now.second / 3600.0) / 24.0;
    double jd = julianDay(date) + location.timeZone / 24.0;
    dateFromJulianDay(jd, date);
    if (const int minutes = summerTimeMinutes(location, date); minutes != 0) {
        jd += minutes * kOneMinuteInDays;
        dateFromJulianDay(jd, date);
    }
    const double wholeDay = std::trunc(date.day);
    local.timeOfDay = (date.day - wholeDay) * 24.0 * kHoursToRad;
    date.day = wholeDay;
    return local;
}

UtcTime utcOfLocalTime(const CalendarDate& local, double offsetHours) {
    CalendarDate ut;
    dateFromJulianDay(julianDay(local) - offsetHours / kHoursPerDay, ut);
    return {ut.year, ut.month,  static_cast<int>(ut.day),
            ut.hour, ut.minute, static_cast<double>(ut.second)};
}

LocalDateTime julianDayToLocalText(const Config& config, const Location& location,
                                   CalendarDate& date, double jd, bool noSummerTime) {
    if (!noSummerTime) {
        dateFromJulianDay(jd, date);
        jd += summerTimeMinutes(location, date) * kOneMinuteInDays;
    }
    dateFromJulianDay(jd, date);
    double timeOfDay = (jd - (std::floor(jd - 0.5) + 0.5)) * 24.0 * kHoursToRad;

    const SplitTime shown = splitTime(kRoundNearest, timeOfDay, config.precision == 1);
    if (shown.dayOffset != 0) {
        jd += shown.dayOffset;
        dateFromJulianDay(jd, date);
        timeOfDay = 0.0;
    }
    return {jd, timeOfDay};
}

}  // namespace kelmo
