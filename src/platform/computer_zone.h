// The computer's time-zone setting and the present moment, read from the system (the TZ
// variable or /etc/localtime through the C library) for the Qibla's Sun-shadow method.
#pragma once

#include <ctime>

#include "platform/clock.h"
#include "qibla/computer_zone_rules.h"

namespace kelmo::platform {

// The system time zone's setting for the local year that contains the moment t: the standard
// offset (the smallest offset from UT in that year) and, when the zone changes to a larger
// offset and back exactly once in that year, the two transitions as fixed dates of that year
// (the local date of the first instant in the new state). Zones with no change, or with an
// irregular one (a change of the standard offset itself), give no transitions and the offset
// in force at t.
ZoneSetting systemZoneSetting(std::time_t t);

// The clock's present moment with the system zone's rules for it.
ComputerTime computerTime(const Clock& clock);

}  // namespace kelmo::platform
