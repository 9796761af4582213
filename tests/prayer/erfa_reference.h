// The Sun's altitude at a place and a moment from ERFA (the open-source SOFA library), for the
// prayer-time tests; the Sun's apparent place is that of support/erfa_sun.h.
#pragma once

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "support/erfa_sun.h"

namespace kelmo::test {

// The Sun's true geocentric altitude (radians) at geodetic latitude phi and east longitude
// lambda at the moment jdUT (UT1), with deltaTSeconds = TT - UT1. Sidereal time: eraGst94
// (IAU 1982 mean sidereal time + IAU 1994 equation of the equinoxes).
inline double erfaSunAltitude(double jdUT, double deltaTSeconds, double phi, double lambda,
                              ErfaSun* sunOut = nullptr) {
    const ErfaSun sun = erfaSun(jdUT + deltaTSeconds / ERFA_DAYSEC);
    if (sunOut) *sunOut = sun;
    const double hourAngle = eraGst94(ERFA_DJM0, jdUT - ERFA_DJM0) + lambda - sun.rightAscension;
    return std::asin(std::sin(phi) * std::sin(sun.declination) +
                     std::cos(phi) * std::cos(sun.declination) * std::cos(hourAngle));
}

}  // namespace kelmo::test
