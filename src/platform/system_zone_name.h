// The name of the computer's time zone in the tz database ("Europe/Oslo"), as the system is
// set: the TZ variable when it names a zone, else /etc/timezone, else the zone file that
// /etc/localtime links to.
#pragma once

#include <string>

namespace kelmo::platform {

// The zone's name, or "" when the setting names no zone the tz database knows (a POSIX rule
// string, say).
std::string systemZoneName();

}  // namespace kelmo::platform
