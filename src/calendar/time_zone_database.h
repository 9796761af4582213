// The system's time-zone database (IANA tz, /usr/share/zoneinfo): the list of its zones
// through Howard Hinnant's date/tz library (the only place that knows the library), a zone's
// clock from the zone's own compiled file (calendar/tzif_zone.h), after its last transition by
// the rule of the file's footer. Nothing here throws.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelmo {

// True when the database holds a zone of this name ("Europe/London").
bool isKnownZone(const std::string& zone);

// The names of every zone of the database, sorted; empty when the database cannot be read.
std::vector<std::string> zoneNames();

// The zone's clock at local noon of a civil (Gregorian) date.
struct ZoneClock {
    int offsetMinutes = 0;        // from UT, east of Greenwich, summer time included
    bool daylightSaving = false;  // the database marks the time as summer (daylight) time
};

// None for an unknown zone or a date the library cannot represent.
std::optional<ZoneClock> zoneClockAtNoon(const std::string& zone, int year, int month, int day);

// The zone's clock at local noon of every day of year in order, the days of each month as
// daysInMonth counts them; none for an unknown zone or when a day cannot be represented.
std::optional<std::vector<ZoneClock>> zoneClocksOfYear(const std::string& zone, int year);

}  // namespace kelmo
