// Reductions of angles (radians) into their standard ranges. Each is one remainder step
// (std::fmod, exact for every finite double), so no argument can make it loop; a value that is
// not finite stays NaN.
#pragma once

#include <cmath>

#include "base/angles.h"

namespace kelmo {

// x reduced into [low, low + period).
inline double reduceInto(double x, double low, double period) {
    double r = std::fmod(x - low, period);
    if (r < 0.0) r += period;
    if (r >= period) r = 0.0;  // a tiny negative remainder plus the period rounds to it
    return low + r;
}

// x reduced into [0, 2 pi).
inline double reduceAngle(double x) {
    return reduceInto(x, 0.0, kTwoPi);
}

// x reduced into [-pi, pi).
inline double reduceAngleSigned(double x) {
    return reduceInto(x, -kPi, kTwoPi);
}

// x reduced into [-pi/2, pi/2).
inline double reduceHalfTurn(double x) {
    return reduceInto(x, -kPi / 2, kPi);
}

}  // namespace kelmo
