#include "calendar/local_time.h"

#include <gtest/gtest.h>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::clockPlace;

UtcTime utc(int y, int mo, int d, int h, int mi, double s) {
    return {y, mo, d, h, mi, s};
}

LocalMoment localAt(const Location& place, const UtcTime& now) {
    return currentLocalTime(test::zoneOf(place), instantOf(now));
}

TEST(CurrentLocalTime, AddsZoneAndSummerTime) {
    const LocalMoment manama = localAt(clockPlace(3.0f), utc(2026, 12, 7, 22, 30, 0));
    EXPECT_EQ(manama.date.year, 2026);
    EXPECT_EQ(manama.date.month, 12);
    EXPECT_DOUBLE_EQ(manama.date.day, 8.0);  // past local midnight
    EXPECT_NEAR(manama.timeOfDay * kRadToHours, 1.5, 1e-6);

    const LocalMoment london = localAt(clockPlace(0.0f, 834, 2626), utc(2026, 7, 1, 12, 0, 0));
    EXPECT_NEAR(london.timeOfDay * kRadToHours, 13.0, 1e-6);

    const LocalMoment newYork = localAt(clockPlace(-5.0f, 1086, 2626), utc(2027, 1, 1, 3, 0, 0));
    EXPECT_EQ(newYork.date.year, 2026);
    EXPECT_EQ(newYork.date.month, 12);
    EXPECT_DOUBLE_EQ(newYork.date.day, 31.0);
    EXPECT_NEAR(newYork.timeOfDay * kRadToHours, 22.0, 1e-6);
}

// Asia/Almaty (tz database): UTC+6 until 29 February 2024, UTC+5 from 1 March 2024.
TEST(CurrentLocalTime, ZoneOffsetOnEachSideOfAChange) {
    const Location almaty = clockPlace(5.0f, 0, 0, "Asia/Almaty");
    EXPECT_NEAR(localAt(almaty, utc(2024, 2, 28, 12, 0, 0)).timeOfDay * kRadToHours, 18.0, 1e-6);
    EXPECT_NEAR(localAt(almaty, utc(2024, 3, 2, 12, 0, 0)).timeOfDay * kRadToHours, 17.0, 1e-6);
    const Location newYork = clockPlace(-5.0f, 0, 0, "America/New_York");
    EXPECT_NEAR(localAt(newYork, utc(2026, 3, 20, 16, 0, 0)).timeOfDay * kRadToHours, 12.0, 1e-6);
}

TEST(UtcTime, RoundTripsThroughTheInstant) {
    const UtcTime t = utcTimeOf(instantOf(utc(1582, 10, 15, 23, 59, 59.25)));
    EXPECT_EQ(t.year, 1582);
    EXPECT_EQ(t.month, 10);
    EXPECT_EQ(t.day, 15);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    EXPECT_NEAR(t.second, 59.25, 1e-6);
}

}  // namespace
}  // namespace kelmo
