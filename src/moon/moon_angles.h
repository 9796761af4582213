// Angles of the Moon's disk: semidiameter, position angle of the bright limb and the
// parallactic angle.
#pragma once

namespace kelmo {

// The Moon's radius in Earth equatorial radii.
inline constexpr double kMoonRadiusEarthRadii = 0.272481;

// Semidiameter (radians) from the sine of the horizontal parallax: asin(0.272481 sin pi),
// the argument clamped to [-1, 1]. Source: J. Meeus, Astronomical Algorithms, ch. 55.
double moonSemidiameter(double sinParallax);

// Position angle of the Moon's bright limb from the north point of the disk through the east,
// in [0, 2 pi), from the Sun's and the Moon's declination and right ascension.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed., eq. 48.5.
double brightLimbAngle(double sunDec, double sunRA, double moonDec, double moonRA);

// Parallactic angle (radians, in (-pi, pi]) of a body at moonRA, moonDec for an observer at
// latitude with the given local sidereal time. Source: J. Meeus, Astronomical Algorithms,
// 2nd ed., eq. 14.1.
double parallacticAngle(double moonRA, double moonDec, double latitude, double localSiderealTime);

}  // namespace kelmo
