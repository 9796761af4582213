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

TEST(CurrentLocalTime, AddsZoneAndSummerTime) {
    const LocalMoment manama = currentLocalTime(clockPlace(3.0f), utc(2026, 12, 7, 22, 30, 0));
    EXPECT_EQ(manama.date.year, 2026);
    EXPECT_EQ(manama.date.month, 12);
    EXPECT_DOUBLE_EQ(manama.date.day, 8.0);  // past local midnight
    EXPECT_NEAR(manama.timeOfDay * kRadToHours, 1.5, 1e-6);

    const LocalMoment london =
        currentLocalTime(clockPlace(0.0f, 834, 2626), utc(2026, 7, 1, 12, 0, 0));
    EXPECT_NEAR(london.timeOfDay * kRadToHours, 13.0, 1e-6);

    const LocalMoment newYork =
        currentLocalTime(clockPlace(-5.0f, 1086, 2626), utc(2027, 1, 1, 3, 0, 0));
    EXPECT_EQ(newYork.date.year, 2026);
    EXPECT_EQ(newYork.date.month, 12);
    EXPECT_DOUBLE_EQ(newYork.date.day, 31.0);
    EXPECT_NEAR(newYork.timeOfDay * kRadToHours, 22.0, 1e-6);
}

// Asia/Almaty (tz database): UTC+6 until 29 February 2024, UTC+5 from 1 March 2024.
TEST(CurrentLocalTime, ZoneOffsetOnEachSideOfAChange) {
    const Location almaty = clockPlace(5.0f, 0, 0, "Asia/Almaty");
    EXPECT_NEAR(currentLocalTime(almaty, utc(2024, 2, 28, 12, 0, 0)).timeOfDay * kRadToHours, 18.0,
                1e-6);
    EXPECT_NEAR(currentLocalTime(almaty, utc(2024, 3, 2, 12, 0, 0)).timeOfDay * kRadToHours, 17.0,
                1e-6);
    const Location newYork = clockPlace(-5.0f, 0, 0, "America/New_York");
    EXPECT_NEAR(currentLocalTime(newYork, utc(2026, 3, 20, 16, 0, 0)).timeOfDay * kRadToHours, 12.0,
                1e-6);
}

TEST(JulianDayToLocalText, SummerHourAndRoundingCarry) {
    Config config;
    config.precision = 1;
    CalendarDate date;
    // 2026-06-21 19:45 standard time in London is 20:45 on the clock.
    const double jd = julianDay(CalendarDate{2026, 0, 6, 1, 21.0 + 19.75 / 24.0});
    LocalDateTime t = julianDayToLocalText(config, clockPlace(0.0f, 834, 2626), date, jd, false);
    EXPECT_EQ(date.month, 6);
    EXPECT_EQ(static_cast<int>(date.day), 21);
    EXPECT_NEAR(t.timeOfDay * kRadToHours, 20.75, 1e-6);

    t = julianDayToLocalText(config, clockPlace(0.0f, 834, 2626), date, jd, true);
    EXPECT_NEAR(t.timeOfDay * kRadToHours, 19.75, 1e-6);

    // 23:59:40 shown in minutes rounds into the next day: date moves, time becomes 0.
    const double late =
        julianDay(CalendarDate{2026, 0, 12, 1, 31.0 + (23 + 59 / 60.0 + 40 / 3600.0) / 24.0});
    t = julianDayToLocalText(config, clockPlace(3.0f), date, late, false);
    EXPECT_EQ(date.year, 2027);
    EXPECT_EQ(date.month, 1);
    EXPECT_EQ(static_cast<int>(date.day), 1);
    EXPECT_DOUBLE_EQ(t.timeOfDay, 0.0);
    EXPECT_NEAR(t.jd, late + 1.0, 1e-9);
}

}  // namespace
}  // namespace kelmo
