#include "calendar/day_frame.h"

#include "base/angles.h"
#include "base/markers.h"

namespace kelmo {

namespace {

constexpr long double kSecondsPerHour = 3600.0L;

EventStatus markerStatus(double marker) {
    if (marker == kAlwAbove) return EventStatus::alwAbove;
    if (marker == kAlwBelow) return EventStatus::alwBelow;
    return EventStatus::notValid;
}

}  // namespace

Location dayFrameOf(const CalendarDate& date, Location location, const Zone& zone) {
    const Instant noon = zone.noonOf(date);
    location.timeZone = static_cast<float>(zone.standardOffsetAt(noon).count() / kSecondsPerHour);
    return location;
}

Event eventOfFrameTime(double dayAngle, const CalendarDate& date, const Location& frame) {
    if (!isTime(dayAngle)) return Event::marker(markerStatus(dayAngle));
    const Seconds sinceMidnight{static_cast<long double>(dayAngle) * kSecondsPerDayL /
                                static_cast<long double>(kTwoPi)};
    const Seconds offset{static_cast<long double>(frame.timeZone) * kSecondsPerHour};
    return Event::at(Instant{localMidnightOf(date).time_since_epoch() - offset + sinceMidnight});
}

}  // namespace kelmo
