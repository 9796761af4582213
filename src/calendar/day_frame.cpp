#include "calendar/day_frame.h"

#include "base/angles.h"

namespace kelmo {

namespace {

constexpr long double kSecondsPerHour = 3600.0L;

}  // namespace

Location dayFrameOf(const CalendarDate& date, Location location, const Zone& zone) {
    const Instant noon = zone.noonOf(date);
    location.timeZone = static_cast<float>(zone.standardOffsetAt(noon).count() / kSecondsPerHour);
    return location;
}

Event eventOfFrameTime(FrameTime time, const CalendarDate& date, const Location& frame) {
    const std::optional<double> dayAngle = time.angle();
    if (!dayAngle) return Event::marker(time.status());
    const Seconds sinceMidnight{static_cast<long double>(*dayAngle) * kSecondsPerDayL /
                                static_cast<long double>(kTwoPi)};
    const Seconds offset{static_cast<long double>(frame.timeZone) * kSecondsPerHour};
    return Event::at(Instant{localMidnightOf(date).time_since_epoch() - offset + sinceMidnight});
}

}  // namespace kelmo
