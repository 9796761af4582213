#include "prayer/asr_altitude.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/sun_day.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "erfa_reference.h"
#include "prayer/sun_events.h"
#include "prayer_test_support.h"

namespace kelmo {
namespace {

using test::radians;

using test::civil;
using test::place;

TEST(AsrAltitude, ShadowOfOneAndTwoHeightsOverAVerticalNoonSun) {
    EXPECT_NEAR(asrAltitude(0.0, 1) * kRadToDeg, 45.0, 1e-12);
    EXPECT_NEAR(asrAltitude(0.0, 2) * kRadToDeg, 26.565051177, 1e-9);  // atan(1/2)
    // Noon Sun at 45 deg: noon shadow 1, Asr shadows 2 and 3.
    EXPECT_NEAR(asrAltitude(1.0, 1), std::atan(0.5), 1e-12);
    EXPECT_NEAR(asrAltitude(1.0, 2), std::atan(1.0 / 3.0), 1e-12);
}

double noonShadowAt(const CalendarDate& date, const Location& location, const Config& config) {
    const DayFrame frame = prepareSunDay(date, location, config);
    const double transit = radians(sunEvents(date, location, config)[EventRow::horizon].transit);
    return noonShadowLength(noonSun(date, location, frame, transit), location, config, frame);
}

TEST(AsrAltitude, EquinoxAtTheEquatorGivesAboutFortyFiveAndTwentySixAndAHalfDegrees) {
    const Config config = test::settings(0, 0);
    // 20 March 2024: the Sun crosses the equator at 03:06 UT; at noon its declination is
    // about +0.2 deg, so the noon shadow is about tan(0.2 deg).
    const double shadow = noonShadowAt(civil(2024, 3, 20), place(0.0, 0.0, 0.0f), config);
    EXPECT_LT(std::fabs(shadow), 0.006);
    EXPECT_NEAR(asrAltitude(shadow, 1) * kRadToDeg, 45.0, 0.2);
    EXPECT_NEAR(asrAltitude(shadow, 2) * kRadToDeg, 26.57, 0.1);
}

// Reference: ERFA's Sun (erfa_reference.h) at the engine's true noon, made topocentric by the
// horizontal parallax and apparent by Saemundsson's refraction above 15 deg (Meeus,
// Astronomical Algorithms, ch. 16) at 1010 mbar and 10 C.
TEST(AsrAltitude, NoonShadowAgreesWithErfa) {
    const Config config = test::settings(0, 0);
    struct Case {
        double latDeg, lonDeg;
        int year, month, day;
    };
    for (const Case& c : {Case{51.48, 0.0, 2024, 6, 21}, Case{51.48, -8.0, 2024, 12, 21},
                          Case{-33.9, 3.0, 2019, 9, 1}, Case{10.0, 5.0, 2001, 4, 15}}) {
        const Location location = place(c.latDeg, c.lonDeg, 0.0f);
        const CalendarDate date = civil(c.year, c.month, c.day);
        const double transit =
            radians(sunEvents(date, location, config)[EventRow::horizon].transit);
        const DayFrame frame = prepareSunDay(date, location, config);
        const double jdUT = julianDay(date) + transit / kTwoPi;

        test::ErfaSun sun{};
        const double geocentric = test::erfaSunAltitude(
            jdUT, frame.deltaTSeconds, location.latitude, location.longitude, &sun);
        const double sinParallax = std::sin(8.794 * kArcsecToRad) / sun.distance;
        const double topocentric = geocentric - std::asin(sinParallax * std::cos(geocentric));
        const double tanZ = std::tan(kPi / 2.0 - topocentric);
        const double refraction =
            (58.276 * tanZ - 0.0824 * tanZ * tanZ * tanZ) / 3600.0 * kDegToRad;
        const double expectedShadow = std::tan(kPi / 2.0 - (topocentric + refraction));

        const double shadow =
            noonShadowLength(noonSun(date, location, frame, transit), location, config, frame);
        EXPECT_NEAR(std::atan(shadow) * kRadToDeg, std::atan(expectedShadow) * kRadToDeg, 0.002)
            << c.latDeg << " " << c.month;
    }
}

// At the engine's Asr time the Sun (ERFA) stands at the Asr altitude: the shadow is the noon
// shadow plus one (or two) heights.
TEST(AsrAltitude, TheSunStandsAtTheAsrAltitudeAtAsr) {
    const Config config = test::settings(0, 0);
    const Location location = place(21.42, 39.83, 0.0f);  // Mecca's latitude, zone 0
    for (int month : {1, 4, 7, 10}) {
        const CalendarDate date = civil(2023, month, 10);
        const EventTable table = sunEvents(date, location, config);
        const DayFrame frame = prepareSunDay(date, location, config);
        const double shadow = noonShadowLength(
            noonSun(date, location, frame, radians(table[EventRow::horizon].transit)), location,
            config, frame);
        for (int factor : {1, 2}) {
            const double asr =
                radians(table[factor == 1 ? EventRow::asrShadow1 : EventRow::asrShadow2].set);
            const double altitude =
                test::erfaSunAltitude(julianDay(date) + asr / kTwoPi, frame.deltaTSeconds,
                                      location.latitude, location.longitude);
            // 0.005 deg is about 1.5 s of the Sun's afternoon descent.
            EXPECT_NEAR(altitude * kRadToDeg, asrAltitude(shadow, factor) * kRadToDeg, 0.005)
                << month << " factor " << factor;
        }
    }
}

}  // namespace
}  // namespace kelmo
