// The place of a location list nearest a computer's time zone, offered first when the user
// picks a home place.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "base/location.h"

namespace kelmo {

// The index in places (not empty) of the place nearest the zone: a place of the zone itself,
// the one named after the zone's city first ("Asia/Riyadh": "Riyadh,Saudi"); else a place of
// the same zone time (offsetHours, hours east of Greenwich) whose longitude lies nearest the
// zone's meridian (15 degrees an hour); else the place whose zone time is nearest. zoneName
// may be empty (the computer's zone has no name).
std::size_t placeNearestZone(std::span<const Location> places, const std::string& zoneName,
                             double offsetHours);

}  // namespace kelmo
