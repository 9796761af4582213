// The observer's place on the Earth's ellipsoid, topocentric positions and parallax.
#pragma once

#include "astronomy/ecliptic_position.h"

namespace kelmo {

struct ObserverPlace {
    double rhoCosPhi = 0.0;  // rho cos(phi'), Earth equatorial radii
    double rhoSinPhi = 0.0;  // rho sin(phi')
};

// phi: geodetic latitude; heightMetres above sea level.
ObserverPlace observerGeocentric(double phi, double heightMetres);

// Turns the geocentric position and semidiameter (radians) into topocentric ones, in place.
// eps: true obliquity; localSidereal: local sidereal time; sinParallax: sine of the
// horizontal parallax.
void topocentricEcliptic(EclipticPosition& position, double& semidiameter,
                         const ObserverPlace& place, double eps, double localSidereal,
                         double sinParallax);

// Parallax in altitude (radians) of a body at the given (geocentric) altitude.
double parallaxInAltitude(double phi, double sinParallax, double altitude, double heightMetres);

}  // namespace kelmo
