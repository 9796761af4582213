// Conversions between ecliptic, equatorial and horizontal coordinates.
#pragma once

#include "astronomy/ecliptic_position.h"

namespace kelmo {

// eps: true obliquity. Right ascension in [0, 2 pi).
EquatorialPosition eclipticToEquatorial(double longitude, double latitude, double eps);

// localSidereal: local sidereal time; phi: latitude. Azimuth from the north through the east.
HorizontalPosition equatorialToHorizontal(double rightAscension, double declination,
                                          double localSidereal, double phi);

}  // namespace kelmo
