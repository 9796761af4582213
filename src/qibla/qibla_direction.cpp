#include "qibla/qibla_direction.h"

#include <cmath>

namespace kelmo {

namespace {

constexpr double kEquatorialRadiusKm = 6378.137;
constexpr double kFlattening = 0.0033528131778969143;  // 1 / 298.257223563 (WGS84)

// Geodetic minus geocentric latitude: 692.73" sin 2phi - 1.16" sin 4phi.
constexpr double kReduction2Phi = 692.73 * kArcsecToRad;
constexpr double kReduction4Phi = 1.16 * kArcsecToRad;

double square(double x) {
    return x * x;
}

}  // namespace

double geocentricLatitude(double phi) {
    return phi - kReduction2Phi * std::sin(2.0 * phi) + kReduction4Phi * std::sin(4.0 * phi);
}

double andoyerDistance(double phi1, double lambda1, double phi2, double lambda2) {
    const double f = (phi1 + phi2) / 2.0;
    const double g = (phi1 - phi2) / 2.0;
    const double l = (lambda1 - lambda2) / 2.0;
    const double sinF2 = square(std::sin(f));
    const double cosF2 = square(std::cos(f));
    const double sinG2 = square(std::sin(g));
    const double cosG2 = square(std::cos(g));
    const double sinL2 = square(std::sin(l));
    const double cosL2 = square(std::cos(l));

    const double s = sinG2 * cosL2 + cosF2 * sinL2;
    const double c = cosG2 * cosL2 + sinF2 * sinL2;
    // The same point: w = 0 and R would be 0 / 0. (C cannot be exactly 0 in floating point:
    // it needs cos l or cos G to vanish exactly, which no rounded pi / 2 gives.)
    if (s == 0.0) return 0.0;

    const double w = std::atan(std::sqrt(s / c));
    const double r = std::sqrt(s * c) / w;
    const double d = 2.0 * w * kEquatorialRadiusKm;
    const double h1 = (3.0 * r - 1.0) / (2.0 * c);
    const double h2 = (3.0 * r + 1.0) / (2.0 * s);
    return d * (1.0 + kFlattening * h1 * sinF2 * cosG2 - kFlattening * h2 * cosF2 * sinG2);
}

QiblaDirection QiblaFromNorth(const Location& location) {
    const double phi = geocentricLatitude(location.latitude);
    const double phiK = geocentricLatitude(kKaabaLatitude);
    const double dL = kKaabaLongitude - location.longitude;

    double bearing = std::fmod(
        std::atan2(std::sin(dL) * std::cos(phiK),
                   std::cos(phi) * std::sin(phiK) - std::sin(phi) * std::cos(phiK) * std::cos(dL)),
        kTwoPi);
    if (std::sin(dL) < 0.0) bearing += kTwoPi;
    // A negative bearing within rounding of 0 would come out as 2 pi after the addition.
    if (bearing >= kTwoPi) bearing -= kTwoPi;

    QiblaDirection result;
    result.qiblaBearing = bearing;
    result.meccaDistance =
        andoyerDistance(location.latitude, location.longitude, kKaabaLatitude, kKaabaLongitude);
    return result;
}

}  // namespace kelmo
