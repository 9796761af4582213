#include "calendar/row_time.h"

#include "base/angles.h"

namespace kelmo {

double RowTime::dayAngle() const {
    return static_cast<double>(seconds) * kSecondToRad;
}

RowTime rowTime(const Event& event, const Zone& zone, const CalendarDate& row) {
    const std::optional<Instant> t = event.instant();
    if (!t) return {event.status(), 0.0L};
    return {EventStatus::time, (zone.toLocal(*t) - localMidnightOf(row)).count()};
}

Instant instantOfRowTime(long double seconds, const Zone& zone, const CalendarDate& row) {
    return zone.firstInstantReading(localMidnightOf(row) + Seconds{seconds});
}

}  // namespace kelmo
