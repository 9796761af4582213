// The corners of the square area around a place over which the prayer times are widened.
#pragma once

#include <array>
#include <optional>

namespace kelmo {

struct GeoPoint {
    double latitude = 0.0;   // radians, north positive
    double longitude = 0.0;  // radians, east positive
};

using AreaCorners = std::array<GeoPoint, 4>;

// Corners at distanceKm north/south and east/west of (phi, lambda) on the WGS84 ellipsoid, in
// the order (phi - dphi, lambda - dlambda), (phi - dphi, lambda + dlambda),
// (phi + dphi, lambda - dlambda), (phi + dphi, lambda + dlambda), with dphi = d / M and
// dlambda = d / P (M meridian radius, P parallel radius). A latitude beyond a pole is folded
// back; longitudes are reduced to [-pi, pi). None when M or P is below 1 km (within about
// 0.009 deg of a pole).
std::optional<AreaCorners> areaCorners(double distanceKm, double phi, double lambda);

// A latitude beyond a pole folded back over it (x in radians, |x| < pi).
double foldLatitude(double x);

}  // namespace kelmo
