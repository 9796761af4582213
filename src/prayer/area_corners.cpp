#include "prayer/area_corners.h"

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"

namespace kelmo {

namespace {

constexpr double kWgs84EquatorKm = 6378.137;
constexpr double kWgs84EccentricitySquared = 0.006694384761408399;
constexpr double kSmallestRadiusKm = 1.0;

}  // namespace

double foldLatitude(double x) {
    if (std::fabs(x) <= kPi / 2.0) return x;
    const double r = std::fmod(x, kPi / 2.0);
    return x > 0.0 ? kPi / 2.0 - r : -r - kPi / 2.0;
}

std::optional<AreaCorners> areaCorners(double distanceKm, double phi, double lambda) {
    const double sinPhi = std::sin(phi);
    const double w = 1.0 - kWgs84EccentricitySquared * sinPhi * sinPhi;
    double meridianKm = 0.0;
    double parallelKm = 0.0;
    if (w != 0.0) {
        meridianKm = kWgs84EquatorKm * (1.0 - kWgs84EccentricitySquared) / std::pow(w, 1.5);
        parallelKm = kWgs84EquatorKm * std::cos(phi) / std::sqrt(w);
    }
    if (parallelKm < kSmallestRadiusKm || meridianKm < kSmallestRadiusKm) return std::nullopt;

    const double dPhi = distanceKm / meridianKm;
    const double dLambda = distanceKm / parallelKm;
    auto corner = [&](double latSign, double lonSign) {
        return GeoPoint{foldLatitude(phi + latSign * dPhi),
                        reduceAngleSigned(lambda + lonSign * dLambda)};
    };
    return AreaCorners{corner(-1, -1), corner(-1, +1), corner(+1, -1), corner(+1, +1)};
}

}  // namespace kelmo
