// Tests of the Moon's geocentric position (Moshier's DE404 lunar theory).
#include "astronomy/lunar_position.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {
namespace {

constexpr double kMjdZero = 2400000.5;

// Reference: ERFA eraMoon98 (Simon et al. 1994 mean elements with Meeus's abridged ELP-2000/82
// series, about 10" and 10 km), a GCRS position vector. It is rotated into the mean ecliptic and
// equinox of date with eraEcm06 (IAU 2006 frame bias, precession and mean obliquity), the frame
// of lunarPosition, and turned into longitude, latitude and distance with eraC2s and eraPm.
EclipticPosition erfaMoon(double jdTT) {
    double pv[2][3];
    eraMoon98(kMjdZero, jdTT - kMjdZero, pv);
    double rm[3][3];
    eraEcm06(kMjdZero, jdTT - kMjdZero, rm);
    double ecliptic[3];
    eraRxp(rm, pv[0], ecliptic);
    EclipticPosition p;
    eraC2s(ecliptic, &p.longitude, &p.latitude);
    p.longitude = eraAnp(p.longitude);
    p.distance = eraPm(ecliptic) * ERFA_DAU / 1000.0;  // km
    return p;
}

double arcsecBetween(double a, double b) {
    return std::abs(reduceAngleSigned(a - b)) / kArcsecToRad;
}

// Measured worst differences: 14.1" in longitude, 4.9" in latitude, 12.0 km in distance.
TEST(LunarPosition, AgreesWithErfaMoon98From1900To2100) {
    const double first = julianDay(CalendarDate{.year = 1900, .month = 1, .day = 1.0});
    const double last = julianDay(CalendarDate{.year = 2100, .month = 12, .day = 31.0});
    double worstLongitude = 0.0, worstLatitude = 0.0, worstDistance = 0.0;
    int samples = 0;
    for (double jd = first; jd <= last; jd += 13.37) {  // every phase and anomaly in turn
        const EclipticPosition moon = lunarPosition(centuriesSinceJ2000(jd));
        const EclipticPosition ref = erfaMoon(jd);
        worstLongitude = std::max(worstLongitude, arcsecBetween(moon.longitude, ref.longitude));
        worstLatitude =
            std::max(worstLatitude, std::abs(moon.latitude - ref.latitude) / kArcsecToRad);
        worstDistance = std::max(worstDistance, std::abs(moon.distance - ref.distance));
        ASSERT_GE(moon.longitude, 0.0);
        ASSERT_LT(moon.longitude, kTwoPi);
        ++samples;
    }
    EXPECT_GT(samples, 5000);
    EXPECT_LT(worstLongitude, 30.0);
    EXPECT_LT(worstLatitude, 30.0);
    EXPECT_LT(worstDistance, 50.0);
}

// At J2000.0 the series time is 0 and every amplitude is its constant coefficient; the result
// must still agree with the reference there and join smoothly with the instants around it.
TEST(LunarPosition, AtJ2000) {
    const EclipticPosition moon = lunarPosition(0.0);
    const EclipticPosition ref = erfaMoon(kJ2000);
    EXPECT_LT(arcsecBetween(moon.longitude, ref.longitude), 30.0);
    EXPECT_LT(std::abs(moon.latitude - ref.latitude) / kArcsecToRad, 30.0);
    EXPECT_NEAR(moon.distance, ref.distance, 50.0);
    // The Moon moves about 0.55" of longitude per second of time.
    const double oneSecond = 1.0 / 86400.0 / kDaysPerCentury;
    const EclipticPosition before = lunarPosition(-oneSecond);
    const EclipticPosition after = lunarPosition(oneSecond);
    EXPECT_NEAR(arcsecBetween(after.longitude, before.longitude), 1.1, 0.3);
    EXPECT_LT(std::abs(after.latitude - before.latitude) / kArcsecToRad, 0.5);
}

// Reference: J. Meeus, Astronomical Algorithms, 2nd ed., example 47.a, 1992 April 12 0h TD:
// lambda = 133.162655 deg (mean equinox of date, before nutation), beta = -3.229126 deg,
// distance 368409.7 km (abridged ELP-2000/82, good to about 10" and a few km; here the
// difference is 1.9", 0.3" and 4.2 km).
TEST(LunarPosition, MeeusExample47a) {
    const double jd = 2448724.5;
    const EclipticPosition moon = lunarPosition(centuriesSinceJ2000(jd));
    EXPECT_LT(arcsecBetween(moon.longitude, 133.162655 * kDegToRad), 15.0);
    EXPECT_LT(std::abs(moon.latitude - (-3.229126 * kDegToRad)) / kArcsecToRad, 10.0);
    EXPECT_NEAR(moon.distance, 368409.7, 6.0);
}

// The longitude sum is wrapped at +/-645000" before the conversion to radians; around that
// limit (179.17 deg) and around 0/360 deg the result stays in [0, 2 pi) and continuous.
TEST(LunarPosition, LongitudeAcrossTheWrapAndZero) {
    const double wrapDeg = 645000.0 / 3600.0;
    int nearWrap = 0, nearZero = 0;
    const double step = 0.02;  // days, about 0.26 deg of the Moon's motion
    EclipticPosition previous = lunarPosition(centuriesSinceJ2000(2451545.0));
    for (double jd = 2451545.0 + step; jd < 2451545.0 + 120.0; jd += step) {
        const EclipticPosition moon = lunarPosition(centuriesSinceJ2000(jd));
        ASSERT_GE(moon.longitude, 0.0);
        ASSERT_LT(moon.longitude, kTwoPi);
        const double moved = reduceAngleSigned(moon.longitude - previous.longitude) * kRadToDeg;
        ASSERT_GT(moved, 0.15) << jd;
        ASSERT_LT(moved, 0.40) << jd;
        const double deg = moon.longitude * kRadToDeg;
        if (std::abs(deg - wrapDeg) < 0.4 || std::abs(deg - 180.0) < 0.4) {
            EXPECT_LT(arcsecBetween(moon.longitude, erfaMoon(jd).longitude), 30.0) << jd;
            ++nearWrap;
        }
        if (deg < 0.4 || deg > 359.6) ++nearZero;
        previous = moon;
    }
    EXPECT_GT(nearWrap, 4);  // four months: each limit was crossed several times
    EXPECT_GT(nearZero, 4);
}

// The Moon's mean longitude L of the theory and the general precession against
// J. Meeus, Astronomical Algorithms, 2nd ed., eq. 47.1 (L' = 218.3164477 + 481267.88123421 T
// ..., including -0.7" of light time) and eq. 21.6-style precession 5029.0966" per century.
TEST(LunarMeanElements, MoonLongitudeAndPrecession) {
    for (const double t : {-1.0, -0.3, 0.0, 0.45, 1.0}) {
        const LunarMeanElements e = meanElements(t);
        const double meeusDeg = 218.3164477 + 481267.88123421 * t - 0.0015786 * t * t +
                                t * t * t / 538841.0 - t * t * t * t / 65194000.0;
        const double diff = reduceAngleSigned(e.args[13] - meeusDeg * kDegToRad) / kArcsecToRad;
        EXPECT_LT(std::abs(diff), 2.0) << t;
        EXPECT_NEAR(e.args[13], e.moonLongitudeArcsec * kArcsecToRad, 1e-12);
        EXPECT_GE(e.moonLongitudeArcsec, 0.0);
        EXPECT_LT(e.moonLongitudeArcsec, kArcsecPerTurn + 10.0);
        EXPECT_NEAR(e.precessionArcsec, 5028.796195 * t + 1.1054348 * t * t, 0.01) << t;
    }
}

// Working arrays live in each call: concurrent evaluations give the sequential results.
TEST(LunarPosition, ReentrantAcrossThreads) {
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) times.push_back(-1.0 + 0.01 * i);
    std::vector<EclipticPosition> expected;
    for (double t : times) expected.push_back(lunarPosition(t));
    std::vector<EclipticPosition> a(times.size()), b(times.size());
    std::thread first([&] {
        for (std::size_t i = 0; i < times.size(); ++i) a[i] = lunarPosition(times[i]);
    });
    std::thread second([&] {
        for (std::size_t i = times.size(); i-- > 0;) b[i] = lunarPosition(times[i]);
    });
    first.join();
    second.join();
    for (std::size_t i = 0; i < times.size(); ++i) {
        EXPECT_EQ(a[i].longitude, expected[i].longitude);
        EXPECT_EQ(b[i].latitude, expected[i].latitude);
        EXPECT_EQ(b[i].distance, expected[i].distance);
    }
}

}  // namespace
}  // namespace kelmo
