// Transit, rising and setting of a body at a target altitude, by iteration on positions
// interpolated from three consecutive days.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 15.
#pragma once

#include <array>

#include "astronomy/ecliptic_position.h"

namespace kelmo {

// Times in radians of the day (2 pi = 24 h) from local midnight of zone time, or markers
// (base/markers.h).
struct EventTriple {
    double transit = 0.0;
    double rise = 0.0;
    double set = 0.0;
};

// Three-point interpolation of y1, y2, y3 tabulated at n = -1, 0, +1.
double interpolate3(double y1, double y2, double y3, double n);

// phi latitude, lambda east longitude, theta0 apparent sidereal time at local midnight,
// positions at the day before, the day and the day after, targetAltitude (radians, true
// geocentric), toleranceSeconds of time.
EventTriple riseTransitSet(double phi, double lambda, double theta0, double deltaTSeconds,
                           const std::array<EquatorialPosition, 3>& positions,
                           double targetAltitude, double toleranceSeconds);

}  // namespace kelmo
