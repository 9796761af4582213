// Tests of the Qibla bearing from geographic north and the distance to Mecca.
// References: values quoted in the program's requirements for 0 N 0 E and the built-in default
// location (Manama); and GeographicLib's geodesic solution on the WGS84 ellipsoid (C. F. F.
// Karney, Algorithms for geodesics, J. Geodesy 87 (2013)), which is exact to nanometres. The
// bearing here is a great circle on geocentric latitudes and the distance Andoyer's first-order
// formula, so the agreement is bounded, not exact.
#include "qibla/qibla_direction.h"

#include <gtest/gtest.h>
#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>

namespace kelmo {
namespace {

Location place(double latitude, double longitude) {
    Location l;
    l.latitude = latitude;
    l.longitude = longitude;
    return l;
}

Location placeDeg(double latitudeDeg, double longitudeDeg) {
    return place(latitudeDeg * kDegToRad, longitudeDeg * kDegToRad);
}

TEST(QiblaFromNorth, PublishedPlaces) {
    const QiblaDirection origin = QiblaFromNorth(place(0.0, 0.0));
    EXPECT_NEAR(origin.qiblaBearing * kRadToDeg, 58.68, 0.005);
    EXPECT_NEAR(origin.meccaDistance, 4931.87, 0.005);

    const QiblaDirection manama = QiblaFromNorth(place(0.45790652, 0.88284087));
    EXPECT_NEAR(manama.qiblaBearing * kRadToDeg, 246.30, 0.005);
    EXPECT_NEAR(manama.meccaDistance, 1217.95, 0.005);
}

TEST(QiblaFromNorth, OnTheKaabasMeridian) {
    // Due north of Mecca the Qibla is due south; due south of it, due north (no 2 pi added).
    for (double latitudeDeg : {30.0, 60.0, 89.0}) {
        const QiblaDirection north =
            QiblaFromNorth(place(latitudeDeg * kDegToRad, kKaabaLongitude));
        EXPECT_DOUBLE_EQ(north.qiblaBearing, kPi) << latitudeDeg;
    }
    for (double latitudeDeg : {10.0, -20.0, -89.0}) {
        const QiblaDirection south =
            QiblaFromNorth(place(latitudeDeg * kDegToRad, kKaabaLongitude));
        EXPECT_EQ(south.qiblaBearing, 0.0) << latitudeDeg;
    }
}

TEST(QiblaFromNorth, MeccaItself) {
    const QiblaDirection mecca = QiblaFromNorth(place(kKaabaLatitude, kKaabaLongitude));
    EXPECT_LT(mecca.meccaDistance, kMeccaItselfKm);
    EXPECT_FALSE(std::isnan(mecca.meccaDistance));  // Andoyer's R is 0 / 0 at the same point
    // A few metres away the distance is real and small.
    const QiblaDirection near = QiblaFromNorth(place(kKaabaLatitude + 1e-6, kKaabaLongitude));
    EXPECT_NEAR(near.meccaDistance, 6.378e-3, 0.1e-3);
}

TEST(QiblaFromNorth, BearingStaysInOneTurn) {
    // Both sides of the Kaaba's meridian and of its antimeridian, and longitudes given beyond
    // one turn.
    for (double lonDeg :
         {-179.99, -140.2, -140.1, -60.0, 39.8, 39.9, 120.0, 179.99, 400.0, -400.0}) {
        for (double latDeg : {-80.0, -21.4, 0.0, 21.4, 45.0, 89.9}) {
            const double b = QiblaFromNorth(placeDeg(latDeg, lonDeg)).qiblaBearing;
            EXPECT_GE(b, 0.0) << latDeg << ' ' << lonDeg;
            EXPECT_LT(b, kTwoPi) << latDeg << ' ' << lonDeg;
        }
    }
    // West of Mecca the Qibla points east (below pi), east of Mecca west (above pi).
    EXPECT_LT(QiblaFromNorth(placeDeg(21.0, 0.0)).qiblaBearing, kPi);
    EXPECT_GT(QiblaFromNorth(placeDeg(21.0, 80.0)).qiblaBearing, kPi);
}

TEST(QiblaFromNorth, AtThePoles) {
    const QiblaDirection north = QiblaFromNorth(placeDeg(90.0, 0.0));
    const QiblaDirection south = QiblaFromNorth(placeDeg(-90.0, 0.0));
    EXPECT_TRUE(std::isfinite(north.qiblaBearing) && std::isfinite(north.meccaDistance));
    EXPECT_TRUE(std::isfinite(south.qiblaBearing) && std::isfinite(south.meccaDistance));
    // Quarter meridian 10001.97 km minus the meridian arc to 21.42 N (2370 km).
    EXPECT_NEAR(north.meccaDistance, 10001.97 - 2369.8, 10.0);
}

struct City {
    const char* name;
    double latitudeDeg;
    double longitudeDeg;
};

// Thirty places spread over every continent, both hemispheres, near and far from Mecca.
constexpr City kCities[] = {
    {"Medina", 24.47, 39.61},        {"Jeddah", 21.54, 39.17},
    {"Cairo", 30.04, 31.24},         {"Istanbul", 41.01, 28.98},
    {"Tehran", 35.69, 51.39},        {"Karachi", 24.86, 67.01},
    {"Delhi", 28.61, 77.21},         {"Dhaka", 23.81, 90.41},
    {"Jakarta", -6.21, 106.85},      {"Kuala Lumpur", 3.14, 101.69},
    {"Beijing", 39.90, 116.41},      {"Tokyo", 35.68, 139.75},
    {"Sydney", -33.87, 151.21},      {"Auckland", -36.85, 174.76},
    {"Moscow", 55.76, 37.62},        {"London", 51.51, -0.13},
    {"Paris", 48.86, 2.35},          {"Reykjavik", 64.15, -21.94},
    {"Longyearbyen", 78.22, 15.65},  {"Lagos", 6.52, 3.38},
    {"Nairobi", -1.29, 36.82},       {"Cape Town", -33.92, 18.42},
    {"New York", 40.71, -74.01},     {"Toronto", 43.65, -79.38},
    {"Los Angeles", 34.05, -118.24}, {"Anchorage", 61.22, -149.90},
    {"Honolulu", 21.31, -157.86},    {"Mexico City", 19.43, -99.13},
    {"Sao Paulo", -23.55, -46.63},   {"Buenos Aires", -34.60, -58.38},
};

TEST(QiblaFromNorth, AgreesWithGeodesicsOnTheEllipsoid) {
    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    double worstBearingDeg = 0.0;
    double worstDistancePercent = 0.0;
    const char* worstBearingCity = "";
    const char* worstDistanceCity = "";
    for (const City& city : kCities) {
        double s12 = 0.0, azi1 = 0.0, azi2 = 0.0;
        wgs84.Inverse(city.latitudeDeg, city.longitudeDeg, kKaabaLatitude * kRadToDeg,
                      kKaabaLongitude * kRadToDeg, s12, azi1, azi2);
        const double referenceBearing = azi1 < 0.0 ? azi1 + 360.0 : azi1;
        const double referenceKm = s12 / 1000.0;

        const QiblaDirection q = QiblaFromNorth(placeDeg(city.latitudeDeg, city.longitudeDeg));
        double bearingError = std::abs(q.qiblaBearing * kRadToDeg - referenceBearing);
        bearingError = std::min(bearingError, 360.0 - bearingError);
        const double distancePercent =
            100.0 * std::abs(q.meccaDistance - referenceKm) / referenceKm;
        EXPECT_LT(bearingError, 0.3) << city.name;
        EXPECT_LT(distancePercent, 0.1) << city.name;
        if (bearingError > worstBearingDeg) {
            worstBearingDeg = bearingError;
            worstBearingCity = city.name;
        }
        if (distancePercent > worstDistancePercent) {
            worstDistancePercent = distancePercent;
            worstDistanceCity = city.name;
        }
    }
    // Observed maxima over these thirty places: bearing 0.297 deg (Mexico City; the great
    // circle on geocentric latitudes departs most from the geodesic at mid distances across
    // the meridians), distance 0.0008 percent (Nairobi).
    RecordProperty("worst_bearing_deg", std::to_string(worstBearingDeg));
    RecordProperty("worst_distance_percent", std::to_string(worstDistancePercent));
    std::printf("worst bearing %.4f deg (%s), worst distance %.5f %% (%s)\n", worstBearingDeg,
                worstBearingCity, worstDistancePercent, worstDistanceCity);
}

}  // namespace
}  // namespace kelmo
