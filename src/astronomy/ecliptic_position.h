// Positions on the sky: ecliptic, equatorial and horizontal coordinates.
#pragma once

namespace kelmo {

struct EclipticPosition {
    double longitude = 0.0;  // radians
    double latitude = 0.0;   // radians
    double distance = 0.0;   // astronomical units (the Moon: see lunar_position.h)
};

struct EquatorialPosition {
    double rightAscension = 0.0;  // radians, [0, 2 pi)
    double declination = 0.0;     // radians
};

struct HorizontalPosition {
    double azimuth = 0.0;   // radians, [0, 2 pi) from the north through the east
    double altitude = 0.0;  // radians
};

}  // namespace kelmo
