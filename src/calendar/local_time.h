// Local civil date and time: the present moment at a location, and a Julian day of local
// standard time turned into a printable local date and time.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

// A moment read from the system clock in Universal Time.
struct UtcTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    double second = 0.0;
};

struct LocalMoment {
    CalendarDate date;       // today's local civil date (integer day)
    double timeOfDay = 0.0;  // local time of day, radians (2 pi = 24 h)
};

// The local date and time at location for the UTC moment now, summer time included.
LocalMoment currentLocalTime(const Location& location, const UtcTime& now);

// The UTC moment of a local civil date and time (the fraction of its day) on a clock
// offsetHours east of UT; the seconds are truncated.
UtcTime utcOfLocalTime(const CalendarDate& local, double offsetHours);

struct LocalDateTime {
    double jd = 0.0;         // the Julian day, moved by whole days when rounding carried
    double timeOfDay = 0.0;  // radians of the day, 0 when rounding carried into another day
};

// Turns jd (local standard time) into the local civil date in date (Hijri fields untouched)
// and a time of day ready for printing with the configured precision. Unless noSummerTime,
// the hour of summer time is added where the location keeps it.
LocalDateTime julianDayToLocalText(const Config& config, const Location& location,
                                   CalendarDate& date, double jd, bool noSummerTime);

}  // namespace kelmo
