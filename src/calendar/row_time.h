// An event as a place's clock shows it on the row of a civil day.
#pragma once

#include "calendar/event.h"
#include "calendar/zone.h"

namespace kelmo {

// Seconds after 0h of the row's date on the clock in force at the event's own instant
// (negative on an earlier day, 86400 or more on a later one), or the event's marker.
struct RowTime {
    EventStatus status = EventStatus::notValid;
    long double seconds = 0.0L;

    bool isTime() const { return status == EventStatus::time; }
    // The time as radians of the row's day (2 pi = 24 h), for the time texts.
    double dayAngle() const;
};

RowTime rowTime(const Event& event, const Zone& zone, const CalendarDate& row);

// The instant of the row's day the clock shows seconds after its midnight: the first instant
// the clock reads so (a reading the clock skips gives the change that skipped it).
Instant instantOfRowTime(long double seconds, const Zone& zone, const CalendarDate& row);

}  // namespace kelmo
