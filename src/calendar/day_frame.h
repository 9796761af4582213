// The day the solvers work on: a civil date in the zone's standard time, whose times are
// radians after its midnight. Events leave the solvers as instants through this frame.
#pragma once

#include "base/location.h"
#include "calendar/event.h"
#include "calendar/frame_time.h"
#include "calendar/zone.h"

namespace kelmo {

// The location with timeZone set to the standard offset its zone keeps on the civil date, so
// that the day found is the civil day even where a zone changed its standard offset (Samoa
// crossed the date line in 2011). Where the standard offset is the location's own, nothing
// changes.
Location dayFrameOf(const CalendarDate& date, Location location, const Zone& zone);

// The event of a time of the day frame of date (radians after its 0h in frame.timeZone time),
// or the time's marker.
Event eventOfFrameTime(FrameTime time, const CalendarDate& date, const Location& frame);

}  // namespace kelmo
