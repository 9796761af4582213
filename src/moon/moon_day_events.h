// The Moon's rise, transit and set within a civil day of the place's clock: from its local
// midnight to the next, as the clock in force at each event says, so that every event belongs
// to exactly one day (summer time and a clock change included).
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/event.h"
#include "calendar/zone.h"

namespace kelmo {

struct MoonDayEvents {
    Event rise;
    Event transit;
    Event set;
};

// The first rise, transit and set within the civil date. An event the day does not hold is
// NotValid; rise and set are AlwAbove or AlwBelow, and all three AlwBelow, when the Moon stays
// above or below the horizon all day.
MoonDayEvents moonDayEvents(const CalendarDate& date, const Location& location, const Zone& zone,
                            const Config& config);

}  // namespace kelmo
