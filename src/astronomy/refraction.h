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

}  // namespace kelmo
