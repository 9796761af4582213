#include "files/today_schedule.h"

#include <span>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/summer_time.h"
#include "hijri/hijri_date.h"
#include "prayer/day_times.h"
#include "prayer/next_prayer.h"

namespace kelmo {

namespace {

constexpr double kMinutesPerDay = 1440.0;

// The moment, in Universal Time, of a time of day (radians) on the place's clock of date:
// its zone time and that date's summer time.
double julianDayUtOf(const Location& location, const CalendarDate& date, double time) {
    const double offsetDays =
        location.timeZone / kHoursPerDay + summerTimeMinutes(location, date) / kMinutesPerDay;
    return julianDay(date) + time / kTwoPi - offsetDays;
}

}  // namespace

double julianDayOfUtc(const UtcTime& now) {
    CalendarDate date;
    date.year = now.year;
    date.month = now.month;
    date.day = now.day + (now.hour * 3600.0 + now.minute * 60.0 + now.second) / kSecondsPerDay;
    return julianDay(date);
}

TodaySchedule todaySchedule(const Location& location, const Config& config, const UtcTime& now) {
    TodaySchedule today;
    const LocalMoment local = currentLocalTime(location, now);
    today.date = local.date;
    today.madeJulianDayUt = julianDayOfUtc(now);
    today.dayEndJulianDayUt = today.madeJulianDayUt + 1.0 - local.timeOfDay / kTwoPi;
    hijriFromDate(today.date, location, config);
    today.times = computeDayTimes(today.date, location, config);
    applySummerTime(location, today.date, std::span<double>(today.times.slots));

    CalendarDate day = today.date;
    int slot = 0;  // no previous prayer: every prayer still ahead today counts
    double time = 0.0;
    if (FindNextPrayer(config, day, location, now, time, slot) == 1) {
        today.nextSlot = slot;
        today.nextIsTomorrow = julianDay(day) > julianDay(today.date);
        today.nextTime = time;
        today.nextJulianDayUt = julianDayUtOf(location, day, time);
    }
    return today;
}

bool isCurrent(const TodaySchedule& schedule, const UtcTime& now) {
    const double jd = julianDayOfUtc(now);
    const bool beforePrayer = schedule.nextSlot < 0 || jd < schedule.nextJulianDayUt;
    return jd >= schedule.madeJulianDayUt && jd < schedule.dayEndJulianDayUt && beforePrayer;
}

double secondsUntilNext(const TodaySchedule& schedule, const UtcTime& now) {
    if (schedule.nextSlot < 0) return 0.0;
    return (schedule.nextJulianDayUt - julianDayOfUtc(now)) * kSecondsPerDay;
}

}  // namespace kelmo
