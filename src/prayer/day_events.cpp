#include "prayer/day_events.h"

#include <cmath>
#include <optional>

#include "base/angles.h"
#include "prayer/area_corners.h"

namespace kelmo {

namespace {

constexpr double kLargestWidening = kHoursToRad;  // one hour

// Slots that move earlier when widened: sunrise and Imsak.
constexpr bool widensEarlier(std::size_t slot) {
    return slot == slotOf(EventRow::horizon, kRise) || slot == slotOf(EventRow::imsakIsha, kRise);
}

// The corner value of slot farthest from the centre's time c, or the first marker.
FrameTime extremeOf(const std::array<EventTable, 4>& corners, std::size_t slot, double c) {
    std::optional<double> extreme;
    for (const EventTable& corner : corners) {
        const FrameTime value = corner.slot(slot);
        const std::optional<double> t = value.angle();
        if (!t) return value;
        if (!extreme || std::fabs(*t - c) > std::fabs(*extreme - c)) extreme = t;
    }
    return FrameTime::at(*extreme);
}

// The centre's time c widened to the corners' extreme: moved away from it by the gap g between
// them (earlier or later), NotValid when g is over an hour; a marker extreme replaces c.
FrameTime widened(double c, FrameTime extreme, bool earlier) {
    const std::optional<double> e = extreme.angle();
    if (!e) return extreme;
    const double g = std::fabs(*e - c);
    if (g > kLargestWidening) return FrameTime();
    return FrameTime::at(earlier ? c - g : c + g);
}

}  // namespace

void checkEventOrder(EventTable& table) {
    for (EventTriple& t : table.rows) {
        const std::optional<double> transit = t.transit.angle();
        if (!transit) continue;
        const std::optional<double> rise = t.rise.angle();
        const std::optional<double> set = t.set.angle();
        if (rise && set && *rise > *transit) {
            t.rise = FrameTime();
        } else if (set && *set < *transit) {
            t.set = FrameTime();
        }
    }
}

void widenOverArea(EventTable& centre, const std::array<EventTable, 4>& corners) {
    for (std::size_t slot = 0; slot < kEventSlotCount; ++slot) {
        FrameTime& c = centre.slot(slot);
        if (const std::optional<double> t = c.angle()) {
            c = widened(*t, extremeOf(corners, slot, *t), widensEarlier(slot));
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
