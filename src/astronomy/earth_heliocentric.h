// The Earth's heliocentric position, VSOP87 version D truncated to 195 terms.
#pragma once

#include "astronomy/ecliptic_position.h"

namespace kelmo {

// tTT: Julian centuries of TT since J2000.0. Returns L in [0, 2 pi), B (radians) and
// R (astronomical units), ecliptic and equinox of date.
EclipticPosition earthHeliocentric(double tTT);

}  // namespace kelmo
