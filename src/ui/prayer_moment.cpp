#include "ui/prayer_moment.h"

#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/summer_time.h"

namespace kelmo::ui {

namespace {
constexpr double kMinutesPerDay = 1440.0;
}  // namespace

double julianDayOfUtc(const UtcTime& moment) {
    CalendarDate date;
    date.year = moment.year;
    date.month = moment.month;
    date.day =
        moment.day + (moment.hour + (moment.minute + moment.second / 60.0) / 60.0) / kHoursPerDay;
    return julianDay(date);
}

UtcTime utcOfJulianDay(double jd) {
    CalendarDate date;
    dateFromJulianDay(jd, date);
    return utcOfLocalTime(date, 0.0);
}

double prayerMoment(const Location& location, const CalendarDate& date, double timeOfDay) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    return julianDay(midnight) + timeOfDay / kTwoPi -
           clockOffsetMinutes(location, midnight) / kMinutesPerDay;
}

}  // namespace kelmo::ui
