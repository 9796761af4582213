// The direction of the Qibla (the Kaaba in Mecca) from geographic north and the distance to it.
#pragma once

#include "base/angles.h"
#include "base/location.h"

namespace kelmo {

// The Kaaba: 21 deg 25' 23.2" N, 39 deg 49' 37.6" E.
inline constexpr double kKaabaLatitude = 21.423111111111112 * kDegToRad;
inline constexpr double kKaabaLongitude = 39.827111111111115 * kDegToRad;

// Below this distance (km) the place counts as Mecca itself: no direction exists.
inline constexpr double kMeccaItselfKm = 0.001;

struct QiblaDirection {
    double qiblaBearing = 0.0;   // radians in [0, 2 pi), clockwise from geographic north
    double meccaDistance = 0.0;  // km
};

// The initial great-circle bearing to the Kaaba on geocentric latitudes (geodetic latitudes
// reduced by 692.73" sin 2phi - 1.16" sin 4phi), and the distance along the WGS84 ellipsoid
// by Andoyer's formula (first order in the flattening).
// Uses the location's latitude and longitude; the height plays no part.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 11: the geocentric latitude
// and the distance between two points on the Earth's surface (after H. Andoyer).
QiblaDirection QiblaFromNorth(const Location& location);

// Geodetic latitude (radians) reduced to the geocentric latitude.
double geocentricLatitude(double phi);

// Andoyer's distance (km) between two points of the WGS84 ellipsoid given by geodetic
// latitude and east longitude (radians); 0 for the same point. Near the antipodes the formula
// loses accuracy (about 0.15 percent at the antipode itself).
double andoyerDistance(double phi1, double lambda1, double phi2, double lambda2);

}  // namespace kelmo
