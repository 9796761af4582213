// The Sun's geometric and apparent ecliptic position, and its semidiameter.
#pragma once

#include "astronomy/ecliptic_position.h"

namespace kelmo {

// Geometric longitude and latitude in the FK5 frame, and the distance R (AU).
EclipticPosition sunGeometric(double tTT);

// Apparent position: nutation in longitude dpsi (radians) and aberration added.
EclipticPosition sunApparent(double tTT, double dpsi);

// The Sun's semidiameter in arcseconds at distance R (AU).
double sunSemidiameter(double distance);

// Sine of the Sun's horizontal parallax at distance R (AU).
double sunSinParallax(double distance);

}  // namespace kelmo
