// The moments the Timer and the Notifier compare, as Julian days of Universal Time, so that a
// prayer is found before or after the present moment whatever the days, zones and summer time
// in between: the clock's present moment, and a prayer's time on its local date.
#pragma once

#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/local_time.h"

namespace kelmo::ui {

inline constexpr double kSecondsPerDay = 86400.0;

// The Julian day of a moment of Universal Time.
double julianDayOfUtc(const UtcTime& moment);
// The moment of Universal Time of a Julian day (whole seconds, truncated).
UtcTime utcOfJulianDay(double jd);
// The Julian day (UT) of a time of day (radians after local midnight, summer time included,
// past 2 pi on the next day) on the civil date at the location, on the location's clock of
// that date.
double prayerMoment(const Location& location, const CalendarDate& date, double timeOfDay);

}  // namespace kelmo::ui
