#include "prayer/day_events_memo.h"

#include <cmath>

#include "calendar/julian_day.h"
#include "prayer/day_events.h"

namespace kelmo {

bool DayEventsMemo::madeFor(const Location& l, const Config& c) const {
    const Location& m = location_;
    const Config& k = config_;
    return l.latitude == m.latitude && l.longitude == m.longitude && l.height == m.height &&
           l.timeZone == m.timeZone && c.imsakAngle == k.imsakAngle && c.fajrAngle == k.fajrAngle &&
           c.ishaAngle == k.ishaAngle && c.areaRadius == k.areaRadius &&
           c.maxAcceptableError == k.maxAcceptableError && c.temperature == k.temperature &&
           c.pressure == k.pressure && c.highLatitudeRule == k.highLatitudeRule &&
           c.nMinutes == k.nMinutes;
}

namespace {

CalendarDate midnightOf(const CalendarDate& date) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    return midnight;
}

std::int64_t dayNumber(const CalendarDate& date) {
    return static_cast<std::int64_t>(std::floor(julianDay(midnightOf(date))));
}

}  // namespace

DayEventsMemo::Tables& DayEventsMemo::tablesFor(Tables& tables, const Location& location,
                                                const Config& config) {
    if (!madeFor(location, config)) {
        tables_.clear();
        points_.clear();
        location_ = location;
        config_ = config;
    }
    if (tables.size() >= kMaxKept) tables.clear();
    return tables;
}

const EventTable& DayEventsMemo::dayEvents(const CalendarDate& date, const Location& location,
                                           const Config& config) {
    Tables& tables = tablesFor(tables_, location, config);
    const std::int64_t key = dayNumber(date);
    auto found = tables.find(key);
    if (found == tables.end()) {
        found = tables.emplace(key, kelmo::dayEvents(midnightOf(date), location, config)).first;
    }
    return found->second;
}

const EventTable& DayEventsMemo::pointEvents(const CalendarDate& date, const Location& location,
                                             const Config& config) {
    if (config.areaRadius < 1) return dayEvents(date, location, config);
    Tables& points = tablesFor(points_, location, config);
    const std::int64_t key = dayNumber(date);
    auto found = points.find(key);
    if (found == points.end()) {
        const CalendarDate midnight = midnightOf(date);
        SharedSunDay shared(midnight, location, config);
        found = points.emplace(key, kelmo::pointEvents(shared, midnight, location, config)).first;
    }
    return found->second;
}

bool DayEventsMemo::holds(const CalendarDate& date, const Location& location,
                          const Config& config) const {
    return madeFor(location, config) && tables_.count(dayNumber(date)) != 0;
}

}  // namespace kelmo
