// Semidiameter, bright limb and parallactic angle of the Moon.
#include "moon/moon_angles.h"

#include <algorithm>
#include <cmath>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"

namespace kelmo {

double moonSemidiameter(double sinParallax) {
    return std::asin(std::clamp(kMoonRadiusEarthRadii * sinParallax, -1.0, 1.0));
}

double brightLimbAngle(double sunDec, double sunRA, double moonDec, double moonRA) {
    const double dra = sunRA - moonRA;
    const double chi = std::atan2(std::cos(sunDec) * std::sin(dra),
                                  std::sin(sunDec) * std::cos(moonDec) -
                                      std::cos(sunDec) * std::sin(moonDec) * std::cos(dra));
    // atan2 gives (-pi, pi]; a tiny negative angle plus 2 pi may round up to 2 pi itself.
    const double angle = reduceAngle(chi);
    return angle < kTwoPi ? angle : 0.0;
}

double parallacticAngle(double moonRA, double moonDec, double latitude, double localSiderealTime) {
    const double h = localSiderealTime - moonRA;
    return std::atan2(std::sin(h),
                      std::tan(latitude) * std::cos(moonDec) - std::sin(moonDec) * std::cos(h));
}

}  // namespace kelmo
