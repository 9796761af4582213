// The computer's clock at the present moment, for the Qibla's magnetic model (today's date)
// and its Sun-shadow method (the Sun at this instant).
#pragma once

#include "calendar/instant.h"
#include "calendar/zone.h"

namespace kelmo {

struct ComputerTime {
    Instant now;  // the present moment
    Zone zone;    // the computer's own zone
};

// The computer's local civil date with the time of day as the fraction of its day.
CalendarDate computerLocalNow(const ComputerTime& computer);

}  // namespace kelmo
