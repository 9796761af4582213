#include "astronomy/refraction.h"

#include <cmath>

#include "base/angles.h"

// Atmospheric refraction: Saemundsson's formula (true to apparent) and Bennett's (apparent to
// true, with his correction term) below 15 degrees, the tangent series above; scaled by
// pressure and temperature. Pressure from the height by the standard atmosphere.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 16.
namespace kelmo {

namespace {

constexpr double kLowAltitudeLimitDeg = 15.0;   // the tangent series above
constexpr double kNoRefractionBelowDeg = -5.0;  // true to apparent: none at or below
constexpr double kRightAngleGuardDeg = 1e-10;   // keeps the cotangent away from 90 degrees
constexpr double kSeaLevelPressure = 1010.0;    // millibar
constexpr double kDipDegPerRootMetre = 0.0347;

double pressureMillibar(const Location& location, const Config& config) {
    if (config.pressure != 0) return config.pressure;
    if (location.height == 0) return kSeaLevelPressure;
    return 1013.25 * std::pow(1.0 - 0.0065 * location.height / 288.0, 5.255);
}

// Cotangent of an angle in degrees, or 0 when the angle is at (or beyond) a right angle.
double cotDeg(double angleDeg, bool& atRightAngle) {
    atRightAngle = angleDeg + kRightAngleGuardDeg >= 90.0;
    return 1.0 / std::tan(angleDeg * kDegToRad);
}

// Refraction (degrees) to add to a true altitude d (degrees).
double trueToApparentDeg(double d) {
    if (d > kLowAltitudeLimitDeg) {
        const double tanZ = std::tan((90.0 - d) * kDegToRad);
        return (58.276 * tanZ - 0.0824 * tanZ * tanZ * tanZ) / 3600.0;
    }
    if (d <= kNoRefractionBelowDeg) return 0.0;
    bool atRightAngle = false;
    const double cot = cotDeg(d + 10.3 / (d + 5.11), atRightAngle);
    return atRightAngle ? 0.0 : 1.02 * cot / 60.0;
}

// Refraction (degrees) to subtract from an apparent altitude d (degrees).
double apparentToTrueDeg(double d) {
    if (d > kLowAltitudeLimitDeg) {
        const double tanZ = std::tan((90.0 - d) * kDegToRad);
        return (58.294 * tanZ - 0.0668 * tanZ * tanZ * tanZ) / 3600.0;
    }
    bool atRightAngle = false;
    const double minutes = cotDeg(d + 7.31 / (d + 4.4), atRightAngle);
    if (atRightAngle) return 0.0;
    return (minutes - 0.06 * std::sin((14.7 * minutes + 13.0) * kDegToRad)) / 60.0;
}

}  // namespace

double refract(double altitude, const Location& location, const Config& config,
               RefractionDirection direction) {
    const double k = (pressureMillibar(location, config) / kSeaLevelPressure) *
                     (283.0 / (273.0 + config.temperature));
    const double d = altitude * kRadToDeg;
    const double result = direction == RefractionDirection::TrueToApparent
                              ? d + k * trueToApparentDeg(d)
                              : d - k * apparentToTrueDeg(d);
    return result * kDegToRad;
}

double horizonDip(double heightMetres) {
    // No dip below sea level: the formula's square root has no meaning there.
    if (heightMetres <= 0.0) return 0.0;
    return kDipDegPerRootMetre * std::sqrt(heightMetres) * kDegToRad;
}

double horizonAltitude(double parallax, double semidiameter, const Location& location,
                       const Config& config) {
    const double trueLimb = refract(0.0, location, config, RefractionDirection::ApparentToTrue);
    return parallax - semidiameter + trueLimb - horizonDip(location.height);
}

}  // namespace kelmo
