// Places of the built-in location list, as stored there, shared by tests and benchmarks.
#pragma once

#include "base/angles.h"
#include "base/location.h"
#include "calendar/place_zone.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"

namespace kelmo::test {

// A nameless place from degrees (north and east positive), zone hours and height in metres.
inline Location place(double latDeg, double lonDeg, double zone, int height = 0) {
    Location l;
    l.latitude = latDeg * kDegToRad;
    l.longitude = lonDeg * kDegToRad;
    l.timeZone = static_cast<float>(zone);
    l.height = height;
    return l;
}

// A nameless place at 0 N 0 E given only by its clock: zone hours, the summer-time rule codes
// and the tz database zone (none when empty).
inline Location clockPlace(float hours, int dstStart = 0, int dstEnd = 0, const char* zone = "") {
    Location l;
    l.timeZone = hours;
    l.dstStart = dstStart;
    l.dstEnd = dstEnd;
    l.zone = zone;
    return l;
}

// The place of the built-in location list named name (e.g. "Oslo,Norway"); the search's
// answer (0 when found) goes to *answer when asked for.
inline Location builtInPlace(const char* name, int* answer = nullptr) {
    Location l;
    l.name = name;
    const int found = findLocationInText(defaultConfigText(), l);
    if (answer) *answer = found;
    return l;
}

// "Manama,Bahrain 0.45790652 0.88284087 0 3.0000 0 0", the default home.
inline Location manama() {
    Location l;
    l.name = "Manama,Bahrain";
    l.latitude = 0.45790652;
    l.longitude = 0.88284087;
    l.timeZone = 3.0f;
    return l;
}

// "London,Uk 0.89884456 -0.00203622 0 0.0000 834 2626": European summer time.
inline Location london() {
    Location l;
    l.name = "London,Uk";
    l.latitude = 0.89884456;
    l.longitude = -0.00203622;
    l.dstStart = 834;
    l.dstEnd = 2626;
    return l;
}

// The Kaaba in Mecca (21.4225 N, 39.8262 E, 277 m), zone +3.
inline Location mecca() {
    return place(21.4225, 39.8262, 3.0, 277);
}

// The clock of a place (its tz zone, else its rule codes); the zone must be readable.
inline Zone zoneOf(const Location& place) {
    const ZoneLookup found = zoneOfPlace(place);
    return found.zone ? *found.zone : Zone::fixed(Seconds{0.0L});
}

// Longyearbyen, Svalbard (78.2 N): polar day and polar night.
inline Location longyearbyen() {
    return place(78.2232, 15.6267, 1.0);
}

}  // namespace kelmo::test
