// The system's time-zone database (IANA tz): the compiled zone files under $TZDIR, else
// /usr/share/zoneinfo. Zones are read once per process and kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/zone.h"

namespace kelmo {

enum class ZoneError {
    none,
    badName,     // not a zone name (empty, "..", a character no zone name has)
    unknown,     // no file of that name
    unreadable,  // the file cannot be read, or is no well-formed zone file
};

struct ZoneLookup {
    std::optional<Zone> zone;
    ZoneError error = ZoneError::none;
};

// The zone of that name ("Europe/London").
ZoneLookup findZone(const std::string& name);

// The message of a failed look-up, naming the zone: "time zone Europe/X: no such zone".
std::string zoneErrorText(const std::string& name, ZoneError error);

// True when the database holds a readable zone of this name.
bool isKnownZone(const std::string& name);

// The names of every zone of the database, sorted; empty when the database cannot be read.
std::vector<std::string> zoneNames();

// The zone's clock at local noon of a civil date.
struct ZoneClock {
    int offsetMinutes = 0;        // from UT, east of Greenwich, summer time included (rounded)
    bool daylightSaving = false;  // the database marks the time as summer (daylight) time
};

// The zone's clock at local noon of every day of year in order; none for an unknown zone.
std::optional<std::vector<ZoneClock>> zoneClocksOfYear(const std::string& zone, int year);

}  // namespace kelmo
