// The computer's own time zone, read from the system as the C library reads it: the TZ
// variable (a zone of the tz database, with or without a leading ':', or a POSIX TZ rule),
// else /etc/localtime.
#pragma once

#include <optional>
#include <string>

#include "calendar/zone.h"
#include "platform/clock.h"
#include "qibla/computer_time.h"

namespace kelmo::platform {

struct ComputerZone {
    std::optional<Zone> zone;
    std::string error;  // why the zone could not be read
};

// The zone of the TZ variable's value tz (none: unset) and the file /etc/localtime stands for.
ComputerZone computerZone(const std::optional<std::string>& tz, const std::string& localtimeFile);

// The zone of this process's TZ and /etc/localtime; Universal Time when neither can be read,
// as the C library does (the error names what failed).
ComputerZone systemComputerZone();

// The clock's present moment with the computer's zone (Universal Time when it cannot be read).
ComputerTime computerTime(const Clock& clock);

}  // namespace kelmo::platform
