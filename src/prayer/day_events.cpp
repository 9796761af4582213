#include "prayer/day_events.h"

#include <cmath>

#include "base/angles.h"
#include "prayer/area_corners.h"

namespace kelmo {

namespace {

constexpr double kLargestWidening = kHoursToRad;  // one hour

// Slots that move earlier when widened: sunrise and Imsak.
constexpr bool widensEarlier(std::size_t slot) {
    return slot == slotOf(EventRow::horizon, kRise) || slot == slotOf(EventRow::imsakIsha, kRise);
}

// The corner value of slot farthest from the centre's value c, or the first marker.
double extremeOf(const std::array<EventTable, 4>& corners, std::size_t slot, double c) {
    double extreme = corners[0].slot(slot);
    if (!isTime(extreme)) return extreme;
    for (std::size_t k = 1; k < corners.size(); ++k) {
        const double v = corners[k].slot(slot);
        if (!isTime(v)) return v;
        if (std::fabs(v - c) > std::fabs(extreme - c)) extreme = v;
    }
    return extreme;
}

}  // namespace

void checkEventOrder(EventTable& table) {
    for (EventTriple& t : table.rows) {
        if (!isTime(t.transit)) continue;
        if (isTime(t.rise) && isTime(t.set) && t.rise > t.transit) {
            t.rise = kNotValid;
        } else if (isTime(t.set) && t.set < t.transit) {
            t.set = kNotValid;
        }
    }
}

void widenOverArea(EventTable& centre, const std::array<EventTable, 4>& corners) {
    for (std::size_t slot = 0; slot < kEventSlotCount; ++slot) {
        double& c = centre.slot(slot);
        if (!isTime(c)) continue;
        const double extreme = extremeOf(corners, slot, c);
        if (!isTime(extreme)) {
            c = extreme;
            continue;
        }
        const double g = std::fabs(extreme - c);
        if (g > kLargestWidening) {
            c = kNotValid;
        } else {
            c = widensEarlier(slot) ? c - g : c + g;
        }
    }
}

EventTable pointEvents(SharedSunDay& shared, const CalendarDate& date, const Location& location,
                       const Config& config) {
    EventTable table = sunEvents(shared, date, location, config);
    checkEventOrder(table);
    return table;
}

EventTable dayEvents(const CalendarDate& date, Location location, const Config& config) {
    SharedSunDay shared(date, location, config);
    return dayEvents(shared, date, location, config);
}

EventTable dayEvents(SharedSunDay& shared, const CalendarDate& date, Location location,
                     const Config& config) {
    EventTable centre = pointEvents(shared, date, location, config);
    if (config.areaRadius < 1) return centre;

    std::array<EventTable, 4> cornerTables;  // all NotValid without corners
    if (const auto corners =
            areaCorners(config.areaRadius, location.latitude, location.longitude)) {
        for (std::size_t i = 0; i < corners->size(); ++i) {
            location.latitude = (*corners)[i].latitude;
            location.longitude = (*corners)[i].longitude;
            cornerTables[i] = sunEvents(shared, date, location, config);
        }
    }
    widenOverArea(centre, cornerTables);
    return centre;
}

}  // namespace kelmo
