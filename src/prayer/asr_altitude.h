// The Sun's altitudes that mark the afternoon (Asr) prayer.
#pragma once

#include "astronomy/ecliptic_position.h"
#include "astronomy/sun_day.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

// The Sun at true noon, the part of the noon altitude that does not depend on the latitude.
struct NoonSun {
    double transit = 0.0;        // true noon, radians of the day in zone time
    double longitude = 0.0;      // of the place, radians east
    double obliquity = 0.0;      // true obliquity at the transit
    double localSidereal = 0.0;  // local apparent sidereal time at the transit
    EclipticPosition sun;        // apparent geocentric position at the transit
};

// The Sun at the transit of date (integer day) at the location's longitude. The zone time of
// the transit is taken as universal time for the Sun's position, and the zone is taken back
// from the sidereal time at 15 degrees per hour.
//   frame    day frame of date (its Delta-T is used)
//   transit  true noon, radians of the day in zone time (a valid time)
NoonSun noonSun(const CalendarDate& date, const Location& location, const DayFrame& frame,
                double transit);

// Length of the shadow at true noon per unit of the object's height: tan(90 deg - a'), with a'
// the Sun's apparent topocentric altitude at the location (frame: its day frame).
double noonShadowLength(const NoonSun& noon, const Location& location, const Config& config,
                        const DayFrame& frame);

// True altitude (radians) at which an object's shadow is its noon length plus shadowFactor
// times its height: 90 deg - atan(shadowFactor + noonShadow).
double asrAltitude(double noonShadow, int shadowFactor);

}  // namespace kelmo
