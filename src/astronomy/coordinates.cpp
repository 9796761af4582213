#include "astronomy/coordinates.h"

#include <algorithm>
#include <cmath>

#include "astronomy/angle_reduction.h"
#include "base/angles.h"

// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 13.
namespace kelmo {

EquatorialPosition eclipticToEquatorial(double longitude, double latitude, double eps) {
    const double sinL = std::sin(longitude);
    const double cosB = std::cos(latitude);
    const double sinB = std::sin(latitude);
    const double sinE = std::sin(eps);
    const double cosE = std::cos(eps);

    EquatorialPosition p;
    p.rightAscension = std::atan2(sinL * cosB * cosE - sinB * sinE, std::cos(longitude) * cosB);
    if (p.rightAscension < 0.0) p.rightAscension += kTwoPi;
    p.declination = std::asin(std::clamp(sinB * cosE + cosB * sinE * sinL, -1.0, 1.0));
    return p;
}

HorizontalPosition equatorialToHorizontal(double rightAscension, double declination,
                                          double localSidereal, double phi) {
    const double h = localSidereal - rightAscension;  // local hour angle
    const double cosH = std::cos(h);
    const double sinPhi = std::sin(phi);
    const double cosPhi = std::cos(phi);

    HorizontalPosition p;
    // Meeus counts the azimuth from the south; half a turn turns it to the north.
    p.azimuth =
        reduceAngle(std::atan2(std::sin(h), cosH * sinPhi - std::tan(declination) * cosPhi) + kPi);
    p.altitude = std::asin(std::clamp(
        sinPhi * std::sin(declination) + cosPhi * std::cos(declination) * cosH, -1.0, 1.0));
    return p;
}

}  // namespace kelmo
