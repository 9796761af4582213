// Reductions of angles (radians) into their standard ranges.
#pragma once

#include <cmath>

#include "base/angles.h"

namespace kelmo {

// x reduced into [0, 2 pi).
inline double reduceAngle(double x) { return x - kTwoPi * std::floor(x / kTwoPi); }

// x reduced into [-pi, pi).
inline double reduceAngleSigned(double x) { return x - kTwoPi * std::floor(x / kTwoPi + 0.5); }

// x reduced into [-pi/2, pi/2).
inline double reduceHalfTurn(double x) { return x - kPi * std::floor(x / kPi + 0.5); }

}  // namespace kelmo
