// Atmospheric refraction and the dip of the horizon.
#pragma once

#include "base/config.h"
#include "base/location.h"

namespace kelmo {

enum class RefractionDirection {
    ApparentToTrue = 0,  // refraction subtracted
    TrueToApparent = 1,  // refraction added
};

// altitude in radians; uses the configured temperature and pressure (pressure 0: derived
// from the location's height).
double refract(double altitude, const Location& location, const Config& config,
               RefractionDirection direction);

// Dip of the visible horizon (radians) for an observer heightMetres above the ground;
// 0 below sea level.
double horizonDip(double heightMetres);

// h0: the true geocentric altitude (radians) of a body's centre when its upper limb touches the
// visible horizon. The limb's apparent altitude is then 0, so its true altitude is minus the
// refraction at the horizon R(0) (by the configured temperature and pressure), the centre lies
// the semidiameter below the limb and the geocentric altitude the parallax above the
// topocentric one: h0 = parallax - semidiameter - R(0) - dip.
//   parallax      parallax in altitude at the horizon (radians)
//   semidiameter  the body's geocentric semidiameter (radians)
double horizonAltitude(double parallax, double semidiameter, const Location& location,
                       const Config& config);

}  // namespace kelmo
