// Greenwich sidereal time.
#pragma once

namespace kelmo {

// Mean sidereal time at Greenwich, radians in [0, 2 pi); tUT in Julian centuries of UT.
double meanSiderealTime(double tUT);

// Apparent sidereal time: mean + dpsi cos(eps).
double apparentSiderealTime(double meanSidereal, double dpsi, double eps);

}  // namespace kelmo
