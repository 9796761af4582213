#include "astronomy/sidereal_time.h"

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"

// Greenwich mean sidereal time of the IAU 1982 model written in degrees and UT centuries, and
// the equation of the equinoxes.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 12, formula 12.4.
namespace kelmo {

double meanSiderealTime(double tUT) {
    const double t = tUT;
    const double degrees =
        280.46061837 + 13185000.770053742 * t + 0.000387933 * t * t - t * t * t / 38710000.0;
    return reduceAngle(degrees * kDegToRad);
}

double apparentSiderealTime(double meanSidereal, double dpsi, double eps) {
    return meanSidereal + dpsi * std::cos(eps);
}

}  // namespace kelmo
