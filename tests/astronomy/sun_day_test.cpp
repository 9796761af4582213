#include "astronomy/sun_day.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/erfa_sun.h"
#include "astronomy/rise_set.h"
#include "base/angles.h"
#include "base/markers.h"
#include "calendar/julian_day.h"

namespace kelmo {
namespace {

Location place(double latDeg, double lonDeg, float zone, int height = 0) {
    Location l;
    l.latitude = latDeg * kDegToRad;
    l.longitude = lonDeg * kDegToRad;
    l.timeZone = zone;
    l.height = height;
    return l;
}

CalendarDate civil(int y, int m, int d) {
    CalendarDate date;
    date.year = y;
    date.month = m;
    date.day = d;
    return date;
}

EventTriple event(const DayFrame& f, const Location& l, double target) {
    return riseTransitSet(l.latitude, l.longitude, f.siderealTime, f.deltaTSeconds, f.sun, target,
                          1.0);
}

struct ErfaSunSky {
    double altitude;   // geocentric, airless
    double hourAngle;  // [-pi, pi)
};

// The Sun's geocentric altitude and hour angle by ERFA at a day angle of the local day of date:
// apparent place as in erfa_sun.h, sidereal time eraGmst82 + eraEqeq94.
ErfaSunSky erfaSun(const CalendarDate& date, const Location& l, double dayAngle,
                   double deltaTSeconds) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double jdUT = julianDay(midnight) - l.timeZone / 24.0 + dayAngle / kTwoPi;
    const double jdTT = jdUT + deltaTSeconds / 86400.0;
    const test::ErfaEquatorial sun = test::erfaSunApparent(jdTT);
    const double gast = eraGmst82(jdUT, 0.0) + eraEqeq94(jdTT, 0.0);
    const double hourAngle = reduceAngleSigned(gast + l.longitude - sun.rightAscension);
    return ErfaSunSky{
        std::asin(std::sin(l.latitude) * std::sin(sun.declination) +
                  std::cos(l.latitude) * std::cos(sun.declination) * std::cos(hourAngle)),
        hourAngle};
}

// The frame's time scales: local midnight in UT, Delta-T of the date at 0h (table: 2000.0 is
// 63.83 s, 1 January 2000 is a little before).
TEST(PrepareSunDay, TimeScalesOfLocalMidnight) {
    const Location mecca = place(21.4225, 39.8262, 3.0f);
    const DayFrame f = prepareSunDay(civil(2000, 1, 1), mecca, Config{});
    EXPECT_NEAR(f.tUT, (2451544.5 - 3.0 / 24.0 - kJ2000) / kDaysPerCentury, 1e-15);
    EXPECT_NEAR(f.deltaTSeconds, 63.83, 0.01);
    EXPECT_NEAR(f.tTT - f.tUT, f.deltaTSeconds / 86400.0 / 36525.0, 1e-18);
    EXPECT_DOUBLE_EQ(f.obliquity, f.meanObliquity + f.nutation.deps);
    EXPECT_NEAR(f.sunDistance, 0.98333, 1e-4);  // early January: near perihelion
    EXPECT_NEAR(f.semidiameter, 959.63 / f.sunDistance * kArcsecToRad, 1e-15);
    // The fraction of the day is ignored.
    CalendarDate noon = civil(2000, 1, 1);
    noon.day = 1.5;
    EXPECT_DOUBLE_EQ(prepareSunDay(noon, mecca, Config{}).tUT, f.tUT);
}

// Horizon altitude with no height, standard conditions and R = 1: about -0.90 degrees
// (refraction about 0.6 deg at the horizon plus the semidiameter, less the parallax).
TEST(SunHorizonAltitude, StandardConditions) {
    DayFrame f;
    f.sunDistance = 1.0;
    f.sinParallax = std::sin(8.794 * kArcsecToRad);
    f.semidiameter = 959.63 * kArcsecToRad;
    Config config;
    config.temperature = 10;
    config.pressure = 1010;
    const double h0 = sunHorizonAltitude(f, place(0.0, 0.0, 0.0f), config);
    EXPECT_NEAR(h0 * kRadToDeg, -0.90, 0.01);
    // A height lowers the horizon by the dip, 0.0347 deg sqrt(h), and thins the air.
    const double high = sunHorizonAltitude(f, place(0.0, 0.0, 0.0f, 400), config);
    EXPECT_LT(high, h0 - 0.0347 * 20.0 * kDegToRad + 0.01 * kDegToRad);
    // Below sea level: no dip.
    const double low = sunHorizonAltitude(f, place(0.0, 0.0, 0.0f, -400), config);
    EXPECT_NEAR(low, h0, 0.001 * kDegToRad);
}

// The Sun's place at the three days agrees with ERFA within 2" and the three days are one day
// apart (the right ascension moves about a degree a day).
TEST(PrepareSunDay, SunPlacesOfThreeDays) {
    const Location l = place(51.5, -0.12, 0.0f);
    const DayFrame f = prepareSunDay(civil(2024, 3, 20), l, Config{});
    const double jdTT = kJ2000 + f.tTT * kDaysPerCentury;
    for (int k = 0; k < 3; ++k) {
        const test::ErfaEquatorial ref = test::erfaSunApparent(jdTT + (k - 1));
        EXPECT_NEAR(reduceAngleSigned(f.sun[k].rightAscension - ref.rightAscension), 0.0,
                    3.0 * kArcsecToRad);
        // The day's single nutation and obliquity are used for the neighbours, which moves
        // them by well under an arcsecond.
        EXPECT_NEAR(f.sun[k].declination, ref.declination, 2.0 * kArcsecToRad);
    }
}

// Sunrise, transit and sunset at Mecca: at the computed rise and set ERFA puts the Sun's
// centre at the horizon altitude h0 (within the 1 s tolerance), at the transit on the meridian.
TEST(PrepareSunDay, SunriseAtMeccaAgreesWithErfa) {
    const Location mecca = place(21.4225, 39.8262, 3.0f);
    const CalendarDate date = civil(2024, 6, 15);
    const DayFrame f = prepareSunDay(date, mecca, Config{});
    const EventTriple e = event(f, mecca, f.horizonAltitude);
    ASSERT_TRUE(isTime(e.rise) && isTime(e.transit) && isTime(e.set));
    // Sunrise about 5:39, noon about 12:22, sunset about 19:05 local time (UTC+3).
    EXPECT_NEAR(e.rise * kRadToHours, 5.65, 0.1);
    EXPECT_NEAR(e.transit * kRadToHours, 12.36, 0.1);
    EXPECT_NEAR(e.set * kRadToHours, 19.07, 0.1);

    const double tol = 0.005 * kDegToRad;  // about 1 s of time at this latitude
    EXPECT_NEAR(erfaSun(date, mecca, e.rise, f.deltaTSeconds).altitude, f.horizonAltitude, tol);
    EXPECT_NEAR(erfaSun(date, mecca, e.set, f.deltaTSeconds).altitude, f.horizonAltitude, tol);
    // At the transit the hour angle is 0 within a second of time.
    EXPECT_NEAR(erfaSun(date, mecca, e.transit, f.deltaTSeconds).hourAngle, 0.0,
                1.0 * kSecondToRad);
}

}  // namespace
}  // namespace kelmo
