#include "files/settings/place_for_zone.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "base/angles.h"

namespace kelmo {

namespace {

constexpr double kDegreesPerHour = 15.0;

// "America/New_York" -> "New York".
std::string zoneCity(const std::string& zoneName) {
    std::string city = zoneName.substr(zoneName.rfind('/') + 1);
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

// "New York,NY,CA,USA" -> "New York".
std::string placeCity(const Location& place) {
    return place.name.substr(0, place.name.find(','));
}

}  // namespace

std::size_t placeNearestZone(std::span<const Location> places, const std::string& zoneName,
                             double offsetHours) {
    const std::string city = zoneCity(zoneName);
    const double meridian = offsetHours * kDegreesPerHour;
    // Smaller is nearer, compared in this order.
    auto distance = [&](const Location& place) {
        const bool sameZone = !zoneName.empty() && place.zone == zoneName;
        const bool sameCity = sameZone && placeCity(place) == city;
        return std::make_tuple(!sameZone, !sameCity, std::abs(place.timeZone - offsetHours),
                               std::abs(place.longitude * kRadToDeg - meridian));
    };
    const auto nearest = std::min_element(
        places.begin(), places.end(),
        [&](const Location& a, const Location& b) { return distance(a) < distance(b); });
    return static_cast<std::size_t>(nearest - places.begin());
}

}  // namespace kelmo
