// The system's time-zone database (IANA tz, /usr/share/zoneinfo), read through Howard
// Hinnant's date/tz library. The only place that knows the library; nothing here throws.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelmo {

// True when the database holds a zone of this name ("Europe/London").
bool isKnownZone(const std::string& zone);

// The names of every zone of the database, sorted; empty when the database cannot be read.
std::vector<std::string> zoneNames();

// The zone's offset from UT at local noon of a civil (Gregorian) date, in minutes east of
// Greenwich, summer time included; none for an unknown zone or a date the library cannot
// represent.
std::optional<int> zoneOffsetAtNoonMinutes(const std::string& zone, int year, int month, int day);

}  // namespace kelmo
