#include "astronomy/observer.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "base/angles.h"

namespace kelmo {
namespace {

constexpr double kArcsec = kArcsecToRad;

double dms(double d, double m, double s) {
    return (d + m / 60.0 + s / 3600.0) * kDegToRad;
}

// Meeus, Astronomical Algorithms, example 11.a: Palomar, 33 deg 21' 22" N, 1706 m:
// rho sin phi' = 0.546861, rho cos phi' = 0.836339.
TEST(ObserverGeocentric, MeeusExample11a) {
    const ObserverPlace p = observerGeocentric(dms(33, 21, 22), 1706.0);
    EXPECT_NEAR(p.rhoSinPhi, 0.546861, 1e-6);
    EXPECT_NEAR(p.rhoCosPhi, 0.836339, 1e-6);
}

// ERFA's eraGd2gc on the same ellipsoid (a = 6378140 m, f = 1/298.257223563) gives the same
// geocentric vector, in both hemispheres, at the poles and below sea level.
TEST(ObserverGeocentric, AgreesWithEraGd2gce) {
    const double a = 6378140.0;
    const double f = 0.0033528131778969143;
    for (double latDeg : {-90.0, -45.0, -10.0, 0.0, 21.4, 60.0, 89.9, 90.0}) {
        for (double height : {-400.0, 0.0, 2500.0}) {
            double xyz[3];
            ASSERT_EQ(eraGd2gce(a, f, 0.0, latDeg * kDegToRad, height, xyz), 0);
            const ObserverPlace p = observerGeocentric(latDeg * kDegToRad, height);
            EXPECT_NEAR(p.rhoCosPhi, std::hypot(xyz[0], xyz[1]) / a, 1e-9) << latDeg;
            EXPECT_NEAR(p.rhoSinPhi, xyz[2] / a, 1e-9) << latDeg;
        }
    }
}

// Meeus, Astronomical Algorithms, example 40.c: the Moon at latitude 50 deg 05' N, height 0,
// lambda 181 deg 46' 22.5", beta 2 deg 17' 26.2", parallax 0 deg 59' 27.7", semidiameter
// 16' 15.5", eps 23 deg 28' 00.8", local sidereal time 209 deg 46' 07.9" gives lambda'
// 181 deg 48' 05.0", beta' 1 deg 29' 07.1", s' 16' 25.5".
TEST(TopocentricEcliptic, MeeusExample40c) {
    EclipticPosition moon{dms(181, 46, 22.5), dms(2, 17, 26.2), 0.0};
    double semidiameter = dms(0, 16, 15.5);
    const ObserverPlace place = observerGeocentric(dms(50, 5, 0), 0.0);
    topocentricEcliptic(moon, semidiameter, place, dms(23, 28, 0.8), dms(209, 46, 7.9),
                        std::sin(dms(0, 59, 27.7)));
    EXPECT_NEAR(moon.longitude, dms(181, 48, 5.0), 0.2 * kArcsec);
    EXPECT_NEAR(moon.latitude, dms(1, 29, 7.1), 0.2 * kArcsec);
    EXPECT_NEAR(semidiameter, dms(0, 16, 25.5), 0.2 * kArcsec);
}

// The topocentric longitude stays in [0, 2 pi) for a body just east of the equinox.
TEST(TopocentricEcliptic, LongitudeStaysInRange) {
    EclipticPosition body{1e-6, 0.0, 0.0};
    double semidiameter = 0.0;
    const ObserverPlace place = observerGeocentric(0.3, 0.0);
    // Observer with local sidereal time 90 deg: parallax moves the body to smaller longitudes.
    topocentricEcliptic(body, semidiameter, place, 0.409, 0.5 * kPi, std::sin(dms(0, 57, 0)));
    EXPECT_GE(body.longitude, 0.0);
    EXPECT_LT(body.longitude, kTwoPi);
    EXPECT_GT(body.longitude, kPi);
    EXPECT_EQ(semidiameter, 0.0);
}

// Parallax in altitude: at the horizon of the equator the full horizontal parallax; in the
// zenith none; in between it follows cos h (the geocentric radius ratio rho of the latitude).
TEST(ParallaxInAltitude, HorizonZenithAndBetween) {
    const double sinPi = std::sin(8.794 * kArcsec);
    EXPECT_NEAR(parallaxInAltitude(0.0, sinPi, 0.0, 0.0), 8.794 * kArcsec, 1e-6 * kArcsec);
    EXPECT_NEAR(parallaxInAltitude(0.0, sinPi, kPi / 2.0, 0.0), 0.0, 1e-15);
    EXPECT_NEAR(parallaxInAltitude(0.0, sinPi, kPi / 3.0, 0.0), 8.794 / 2.0 * kArcsec,
                1e-6 * kArcsec);
    // At the pole rho is 0.99665 (the polar radius).
    EXPECT_NEAR(parallaxInAltitude(kPi / 2.0, sinPi, 0.0, 0.0), 8.794 * 0.99665 * kArcsec,
                0.0001 * kArcsec);
    // The Moon (parallax near 1 degree): the sine stays exact, and the height adds to rho.
    const double sinMoon = std::sin(dms(0, 59, 27.7));
    EXPECT_NEAR(parallaxInAltitude(0.0, sinMoon, 0.0, 0.0), dms(0, 59, 27.7), 0.01 * kArcsec);
    EXPECT_GT(parallaxInAltitude(0.0, sinMoon, 0.0, 3000.0),
              parallaxInAltitude(0.0, sinMoon, 0.0, 0.0));
}

}  // namespace
}  // namespace kelmo
