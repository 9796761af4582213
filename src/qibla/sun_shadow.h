// The shadow of a vertical stick at a moment, and the Qibla measured from that shadow.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/instant.h"

namespace kelmo {

// Altitude (degrees, after refraction) at and above which the shadow has no length.
inline constexpr double kShadowlessAltitudeDeg = 89.9;
// shadowRatio when the Sun is below the horizon.
inline constexpr double kSunBelowHorizon = -1.0;

struct SunShadow {
    double shadowRatio = kSunBelowHorizon;  // shadow length / stick height; -1 below the
                                            // horizon, 0 with the Sun at 89.9 deg or higher
    double sunAzimuth = 0.0;                // radians in [0, 2 pi), from north through east
};

// The shadow at the place at the instant now. The Sun's apparent topocentric position comes
// from the solar theory of the astronomy engine; the refraction is refractionForShadow with the
// configured temperature and pressure.
SunShadow sunShadow(const Location& location, const Config& config, Instant now);

// Refraction (radians) added to a true altitude (radians): Saemundsson's formula
// R' = 1.02' / tan(h + 10.3 / (h + 5.11)) (h in degrees) + 0.0019279', scaled by
// (pressure / 1010 mbar) (283 / (273 + temperature C)). The formula has a pole at -5.11 deg;
// below -5 deg, where the Sun is far below the horizon anyway, no refraction is applied.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 16, eq. 16.4.
double refractionForShadow(double altitude, const Config& config);

// Shadow length / stick height for the Sun at an apparent altitude (radians): tan(90 deg - h);
// -1 below the horizon; 0 at 89.9 deg and above.
double shadowRatio(double apparentAltitude);

// The Qibla measured clockwise from the shadow's direction (the shadow points away from the
// Sun): qiblaBearing - sunAzimuth + pi brought into [0, 2 pi].
double ShadowBearing(double qiblaBearing, double sunAzimuth);

}  // namespace kelmo
