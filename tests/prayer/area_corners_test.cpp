#include "prayer/area_corners.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

#include "base/angles.h"

namespace kelmo {
namespace {

// Straight-line distance (km) between two points on the WGS84 ellipsoid, from ERFA's
// geodetic-to-geocentric conversion (eraGd2gc with ERFA_WGS84).
double chordKm(GeoPoint a, GeoPoint b) {
    double pa[3];
    double pb[3];
    eraGd2gc(ERFA_WGS84, a.longitude, a.latitude, 0.0, pa);
    eraGd2gc(ERFA_WGS84, b.longitude, b.latitude, 0.0, pb);
    double d2 = 0.0;
    for (int k = 0; k < 3; ++k) d2 += (pa[k] - pb[k]) * (pa[k] - pb[k]);
    return std::sqrt(d2) / 1000.0;
}

TEST(AreaCorners, OrderAndSymmetry) {
    const double phi = 45.0 * kDegToRad;
    const double lambda = 10.0 * kDegToRad;
    const auto corners = areaCorners(10.0, phi, lambda);
    ASSERT_TRUE(corners.has_value());
    const AreaCorners& c = *corners;
    const double dPhi = phi - c[0].latitude;
    const double dLambda = lambda - c[0].longitude;
    EXPECT_GT(dPhi, 0.0);
    EXPECT_GT(dLambda, 0.0);
    EXPECT_DOUBLE_EQ(c[1].latitude, phi - dPhi);
    EXPECT_DOUBLE_EQ(c[1].longitude, lambda + dLambda);
    EXPECT_DOUBLE_EQ(c[2].latitude, phi + dPhi);
    EXPECT_DOUBLE_EQ(c[2].longitude, lambda - dLambda);
    EXPECT_DOUBLE_EQ(c[3].latitude, phi + dPhi);
    EXPECT_DOUBLE_EQ(c[3].longitude, lambda + dLambda);
}

// The steps north-south and east-west are 10 km on the WGS84 ellipsoid, checked against
// ERFA's ellipsoid (the chord of a 10 km arc is shorter by under a millimetre).
TEST(AreaCorners, StepsAreTheDistanceOnTheWgs84Ellipsoid) {
    for (double latDeg : {-60.0, -23.5, 0.0, 26.2, 51.5, 78.2}) {
        const GeoPoint centre{latDeg * kDegToRad, 50.0 * kDegToRad};
        const auto corners = areaCorners(10.0, centre.latitude, centre.longitude);
        ASSERT_TRUE(corners.has_value()) << latDeg;
        const GeoPoint south{(*corners)[0].latitude, centre.longitude};
        const GeoPoint west{centre.latitude, (*corners)[0].longitude};
        EXPECT_NEAR(chordKm(centre, south), 10.0, 0.002) << latDeg;
        EXPECT_NEAR(chordKm(centre, west), 10.0, 0.001) << latDeg;
    }
}

TEST(AreaCorners, EquatorRadii) {
    // At the equator M = a (1 - e^2) = 6335.439 km and P = a = 6378.137 km (WGS84).
    const auto corners = areaCorners(10.0, 0.0, 0.0);
    ASSERT_TRUE(corners.has_value());
    EXPECT_NEAR(-(*corners)[0].latitude, 10.0 / (6378.137 * (1.0 - 0.006694384761408399)), 1e-15);
    EXPECT_NEAR(-(*corners)[0].longitude, 10.0 / 6378.137, 1e-15);
}

TEST(AreaCorners, NoneWithinAboutOneHundredthOfADegreeOfAPole) {
    EXPECT_FALSE(areaCorners(10.0, 89.995 * kDegToRad, 0.0).has_value());
    EXPECT_FALSE(areaCorners(10.0, -89.995 * kDegToRad, 0.0).has_value());
    EXPECT_FALSE(areaCorners(1.0, kPi / 2.0, 0.0).has_value());
    EXPECT_TRUE(areaCorners(10.0, 89.99 * kDegToRad, 0.0).has_value());
}

TEST(AreaCorners, LatitudesBeyondAPoleFoldBack) {
    const auto north = areaCorners(10.0, 89.99 * kDegToRad, 0.3);
    ASSERT_TRUE(north.has_value());
    const double dPhi = 89.99 * kDegToRad - (*north)[0].latitude;
    EXPECT_NEAR((*north)[2].latitude, kPi - (89.99 * kDegToRad + dPhi), 1e-12);
    EXPECT_LT((*north)[2].latitude, kPi / 2.0);
    for (const GeoPoint& p : *north) {
        EXPECT_GE(p.longitude, -kPi);
        EXPECT_LT(p.longitude, kPi);
    }

    const auto south = areaCorners(10.0, -89.99 * kDegToRad, 0.0);
    ASSERT_TRUE(south.has_value());
    EXPECT_GT((*south)[0].latitude, -kPi / 2.0);
    EXPECT_NEAR((*south)[0].latitude, -kPi - (-89.99 * kDegToRad - dPhi), 1e-9);
}

TEST(AreaCorners, LongitudesWrapAtTheDateLine) {
    const auto corners = areaCorners(10.0, 0.0, 179.95 * kDegToRad);
    ASSERT_TRUE(corners.has_value());
    EXPECT_NEAR((*corners)[1].longitude * kRadToDeg, 179.95 + 0.0898 - 360.0, 1e-3);
    EXPECT_NEAR((*corners)[0].longitude * kRadToDeg, 179.95 - 0.0898, 1e-3);
}

TEST(FoldLatitude, MirrorsOverThePoles) {
    EXPECT_DOUBLE_EQ(foldLatitude(0.3), 0.3);
    EXPECT_DOUBLE_EQ(foldLatitude(-kPi / 2.0), -kPi / 2.0);
    EXPECT_NEAR(foldLatitude(kPi / 2.0 + 0.1), kPi / 2.0 - 0.1, 1e-15);
    EXPECT_NEAR(foldLatitude(-kPi / 2.0 - 0.1), -kPi / 2.0 + 0.1, 1e-15);
}

}  // namespace
}  // namespace kelmo
