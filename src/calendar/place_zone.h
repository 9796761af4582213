// The clock of a place: the tz database's zone it names, else its summer-time rule codes.
#pragma once

#include "base/location.h"
#include "calendar/time_zone_database.h"

namespace kelmo {

// The yearly rule of a zone time (hours east of Greenwich) and two summer-time rule codes:
// one hour more from 00:00 of the start day to 00:00 (summer time) of the end day, so that
// the whole start day is summer time and the whole end day standard time. Codes outside the
// data model, or both in one month, give no summer time.
ClockRule ruleOfCodes(float timeZoneHours, int dstStart, int dstEnd);

// The place's zone: the tz database's zone when location.zone names one, else the rule of its
// codes. A named zone that cannot be read is an error, never some other clock.
ZoneLookup zoneOfPlace(const Location& location);

}  // namespace kelmo
