#include "prayer/sun_events.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "astronomy/rise_set.h"
#include "base/angles.h"
#include "prayer_test_support.h"
#include "support/frame_times.h"

namespace kelmo {
namespace {

using test::radians;

using test::civil;
using test::place;

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(SunEvents, RowsFollowTheirAngles) {
    Config config = test::settings(0, 0);
    config.imsakAngle = config.fajrAngle = config.ishaAngle = -18.0f;
    const Location manama = test::manama();
    const CalendarDate date = civil(2024, 3, 20);
    const EventTable same = sunEvents(date, manama, config);
    // One angle for all three: rows 1 and 2 are the same crossing.
    EXPECT_DOUBLE_EQ(radians(same[EventRow::imsakIsha].rise), radians(same[EventRow::fajr].rise));
    EXPECT_DOUBLE_EQ(radians(same[EventRow::imsakIsha].set), radians(same[EventRow::fajr].set));

    config.imsakAngle = -16.0f;
    const EventTable higherImsak = sunEvents(date, manama, config);
    // Imsak comes from its own angle (later when higher); Isha keeps the Isha angle.
    EXPECT_NEAR(test::seconds(radians(higherImsak[EventRow::imsakIsha].rise) -
                              radians(same[EventRow::imsakIsha].rise)),
                8.5 * 60.0, 60.0);  // 2 deg at about 15 deg per hour x cos(26 deg)
    EXPECT_DOUBLE_EQ(radians(higherImsak[EventRow::imsakIsha].set),
                     radians(same[EventRow::imsakIsha].set));
    EXPECT_DOUBLE_EQ(radians(higherImsak[EventRow::fajr].rise), radians(same[EventRow::fajr].rise));

    // Natural order of the day.
    const EventTable& t = higherImsak;
    EXPECT_LT(radians(t[EventRow::imsakIsha].rise), radians(t[EventRow::horizon].rise));
    EXPECT_LT(radians(t[EventRow::horizon].rise), radians(t[EventRow::horizon].transit));
    EXPECT_LT(radians(t[EventRow::horizon].transit), radians(t[EventRow::asrShadow1].set));
    EXPECT_LT(radians(t[EventRow::asrShadow1].set), radians(t[EventRow::asrShadow2].set));
    EXPECT_LT(radians(t[EventRow::asrShadow2].set), radians(t[EventRow::horizon].set));
    EXPECT_LT(radians(t[EventRow::horizon].set), radians(t[EventRow::imsakIsha].set));
}

TEST(SunEvents, DuhrFollowsNoonByTheSemidiameterInTime) {
    const Config config = test::settings(0, 0);
    for (int month = 1; month <= 12; month += 3) {
        const CalendarDate date = civil(2024, month, 5);
        const EventTable t = sunEvents(date, test::manama(), config);
        const DayFrame frame = prepareSunDay(date, test::manama(), config);
        const double gap = test::seconds(radians(t[EventRow::duhr].transit) -
                                         radians(t[EventRow::horizon].transit));
        // The semidiameter (15.8' to 16.3') turned into time: the meridian gains on the Sun
        // 360 deg per solar day.
        EXPECT_NEAR(gap, test::seconds(frame.semidiameter), 1.0) << month;
        EXPECT_GT(gap, 60.0);
        EXPECT_LT(gap, 70.0);
    }
}

TEST(SunEvents, FixedMinutesRuleIgnoresTheAngles) {
    Config config = test::settings(9, 0);
    config.nMinutes = 90;
    const CalendarDate date = civil(2024, 1, 15);
    const EventTable a = sunEvents(date, test::manama(), config);
    config.imsakAngle = -25.0f;
    config.fajrAngle = -5.0f;
    config.ishaAngle = -1.0f;
    const EventTable b = sunEvents(date, test::manama(), config);
    EXPECT_TRUE(test::sameTables(a, b));

    const EventTriple& sun = a[EventRow::horizon];
    EXPECT_NEAR(test::seconds(radians(sun.rise) - radians(a[EventRow::fajr].rise)), 90 * 60.0,
                1e-6);
    EXPECT_NEAR(test::seconds(radians(sun.rise) - radians(a[EventRow::imsakIsha].rise)), 100 * 60.0,
                1e-6);
    EXPECT_NEAR(test::seconds(radians(a[EventRow::imsakIsha].set) - radians(sun.set)), 90 * 60.0,
                1e-6);
    EXPECT_NEAR(test::seconds(radians(a[EventRow::fajr].set) - radians(sun.set)), 90 * 60.0, 1e-6);
    EXPECT_EQ(a[EventRow::imsakIsha].transit, sun.transit);
}

TEST(SunEvents, FixedMinutesRulePassesSunriseAndSunsetMarkersOn) {
    Config config = test::settings(9, 0);
    const Location north = place(70.0, 20.0, 1.0f);

    const EventTable summer = sunEvents(civil(2024, 6, 21), north, config);
    ASSERT_TRUE(summer[EventRow::horizon].transit.isTime());
    ASSERT_EQ(summer[EventRow::horizon].rise, test::kAlwAboveTime);
    for (EventRow r : {EventRow::imsakIsha, EventRow::fajr}) {
        EXPECT_EQ(summer[r].rise, test::kAlwAboveTime);
        EXPECT_EQ(summer[r].set, test::kAlwAboveTime);
        EXPECT_TRUE(summer[r].transit.isTime());
    }

    const EventTable winter = sunEvents(civil(2024, 12, 21), north, config);
    for (std::size_t i = 0; i < kEventSlotCount; ++i)
        EXPECT_EQ(winter.slot(i), test::kAlwBelowTime) << i;
}

TEST(SunEvents, PolarNightLeavesNoNoonDuhrOrAsr) {
    const Config config = test::settings(0, 0);
    const EventTable t = sunEvents(civil(2024, 12, 21), place(70.0, 20.0, 1.0f), config);
    for (EventRow r :
         {EventRow::horizon, EventRow::duhr, EventRow::asrShadow1, EventRow::asrShadow2}) {
        EXPECT_EQ(t[r].transit, test::kAlwBelowTime);
        EXPECT_EQ(t[r].rise, test::kAlwBelowTime);
        EXPECT_EQ(t[r].set, test::kAlwBelowTime);
    }
    // The Sun still climbs above -13.5 deg at noon (it reaches about -3.4 deg).
    EXPECT_TRUE(t[EventRow::fajr].rise.isTime());
}

TEST(FrameAtPlace, EqualsAFreshDayFrameBitForBit) {
    Config config = test::settings(0, 0);
    config.pressure = 0;  // pressure from the height
    const CalendarDate date = civil(2031, 8, 30);
    const DayFrame base = prepareSunDay(date, place(10.0, 20.0, 2.0f, 0), config);
    for (double lat : {-89.9, -45.0, 0.0, 33.3, 65.0, 89.99}) {
        for (int height : {-50, 0, 2400}) {
            const Location at = place(lat, -100.0, 2.0f, height);
            const DayFrame moved = frameAtPlace(base, at, config);
            const DayFrame fresh = prepareSunDay(date, at, config);
            EXPECT_TRUE(sameBits(moved.observer.rhoCosPhi, fresh.observer.rhoCosPhi));
            EXPECT_TRUE(sameBits(moved.observer.rhoSinPhi, fresh.observer.rhoSinPhi));
            EXPECT_TRUE(sameBits(moved.horizonAltitude, fresh.horizonAltitude));
            EXPECT_TRUE(sameBits(moved.siderealTime, fresh.siderealTime));
            EXPECT_TRUE(sameBits(moved.sun[2].declination, fresh.sun[2].declination));
        }
    }
}

// The shared day (one frame, noon Suns kept by longitude and transit) gives the same tables
// as computing every point afresh.
TEST(SharedSunDay, GivesTheTablesOfFreshComputations) {
    const Config config = test::settings(0, 0);
    for (int month = 1; month <= 12; ++month) {
        const CalendarDate date = civil(2026, month, 17);
        SharedSunDay shared(date, place(0.0, 0.0, 3.0f), config);
        for (double lat : {-40.0, 0.0, 26.2, 55.0, 64.0, 64.0, 26.2}) {
            for (double lon : {44.0, 50.58, 50.58}) {
                const Location at = place(lat, lon, 3.0f, 100);
                EXPECT_TRUE(test::sameTables(sunEvents(shared, date, at, config),
                                             sunEvents(date, at, config)))
                    << month << " " << lat << " " << lon;
            }
        }
    }
}

}  // namespace
}  // namespace kelmo
