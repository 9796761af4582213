// The solver's times of a day frame and the events they become. The reference instants are
// Python's datetime of the same UTC clock readings ("datetime(2024, 3, 10, 3, 0,
// tzinfo=timezone.utc).timestamp()").
#include "calendar/day_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <type_traits>

#include "base/angles.h"
#include "support/civil_date.h"

namespace kelmo {
namespace {

using test::civil;

constexpr EventStatus kMarkers[] = {EventStatus::notValid, EventStatus::alwAbove,
                                    EventStatus::alwBelow};

Location zoneHours(float hours) {
    Location l;
    l.timeZone = hours;
    return l;
}

// Seconds from the Unix epoch to the event's instant; not a number for a marker.
double unixSeconds(const Event& e) {
    const std::optional<Instant> t = e.instant();
    return t ? static_cast<double>(t->time_since_epoch().count()) : std::nan("");
}

// A time carries no number a correction could move or a comparison could read as a time.
TEST(FrameTime, MarkersHoldNoAngleAndNoCorrectionMovesThem) {
    static_assert(!std::is_convertible_v<FrameTime, double>);
    static_assert(!std::is_convertible_v<double, FrameTime>);
    EXPECT_EQ(FrameTime().status(), EventStatus::notValid);
    for (const EventStatus status : kMarkers) {
        const FrameTime marker = FrameTime::marker(status);
        EXPECT_FALSE(marker.isTime());
        EXPECT_FALSE(marker.angle().has_value());
        EXPECT_EQ(marker.movedBy(kHoursToRad), marker);
    }
    const FrameTime six = FrameTime::at(kPi / 2.0);
    EXPECT_EQ(six.movedBy(-kPi / 2.0).angle(), 0.0);
    EXPECT_NE(six, FrameTime::at(kPi / 2.0 + 1e-12));
}

TEST(EventOfFrameTime, ATimeIsItsInstantAMarkerItsStatus) {
    const CalendarDate date = civil(2024, 3, 10);
    // 06:00 at +3 h is 03:00 UTC; 01:00 at +2.5 h is 22:30 UTC of the day before.
    EXPECT_NEAR(unixSeconds(eventOfFrameTime(FrameTime::at(kPi / 2.0), date, zoneHours(3.0f))),
                1710039600.0, 1e-6);
    EXPECT_NEAR(unixSeconds(eventOfFrameTime(FrameTime::at(kPi / 12.0), date, zoneHours(2.5f))),
                1710023400.0, 1e-6);
    for (const EventStatus status : kMarkers) {
        EXPECT_EQ(eventOfFrameTime(FrameTime::marker(status), date, zoneHours(3.0f)),
                  Event::marker(status));
    }
}

}  // namespace
}  // namespace kelmo
