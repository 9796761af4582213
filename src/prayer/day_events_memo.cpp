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

const EventTable& DayEventsMemo::dayEvents(const CalendarDate& date, const Location& location,
                                           const Config& config) {
    if (!madeFor(location, config) || tables_.size() >= kMaxKept) {
        tables_.clear();
        location_ = location;
        config_ = config;
    }
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const auto key = static_cast<std::int64_t>(std::floor(julianDay(midnight)));
    auto found = tables_.find(key);
    if (found == tables_.end()) {
        found = tables_.emplace(key, kelmo::dayEvents(midnight, location, config)).first;
    }
    return found->second;
}

}  // namespace kelmo
