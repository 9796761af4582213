// A moment of the system clock in Universal Time, and the local date and time it is on a
// place's clock.
#pragma once

#include "calendar/calendar_date.h"
#include "calendar/instant.h"
#include "calendar/zone.h"

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

// The instant of a UTC moment, and back (the seconds of the moment keep their fraction).
Instant instantOf(const UtcTime& t);
UtcTime utcTimeOf(Instant t);

struct LocalMoment {
    CalendarDate date;       // today's local civil date (integer day)
    double timeOfDay = 0.0;  // local time of day, radians (2 pi = 24 h)
};

// The local date and time on zone's clock at the instant now.
LocalMoment currentLocalTime(const Zone& zone, Instant now);

}  // namespace kelmo
