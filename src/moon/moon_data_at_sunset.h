// The Moon at the first sunset after a new moon on which it can be looked for, and the day on
// which the next Islamic month may begin.
#pragma once

#include "astronomy/rise_set.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

class LunationMemo;

// Everything computed for the first evening after the next new moon. Julian days are of the
// location's zone clock in Universal Time (JD_UT + timeZone/24); angles in radians.
struct MoonSunsetData {
    double geocentricNewMoon = 0.0;   // G: the geocentric new moon, local Julian day
    double topocentricNewMoon = 0.0;  // Q: the new moon as seen from the place
    double deltaTSeconds = 0.0;       // Delta-T of the new moon (TT = UT + Delta-T)
    double sunsetDay = 0.0;           // D: local midnight starting the evening's day (x.5)
    EventTriple sun;                  // the Sun's triple of that day (upper limb, horizon)
    EventTriple moon;                 // the Moon's triple of that day
    double sunset = 0.0;              // time of day of sunset (the time of sun.set)
    double moonset = 0.0;             // time of day of moonset (the time of moon.set)
    double moonAltitude = 0.0;        // apparent topocentric altitude at sunset
    double sunAltitude = 0.0;         // apparent topocentric altitude at sunset
    double moonAzimuth = 0.0;         // topocentric, from the north through the east
    double sunAzimuth = 0.0;
    double geocentricElongation = 0.0;
    double topocentricElongation = 0.0;
    double geocentricAge = 0.0;   // days from the geocentric new moon to sunset
    double topocentricAge = 0.0;  // days from the topocentric new moon to sunset
    double geocentricDistanceKm = 0.0;
    double topocentricDistanceKm = 0.0;  // geocentric distance less the observer's radius
    double illuminatedGeocentric = 0.0;  // illuminated fraction 0 .. 1
    double illuminated = 0.0;            // illuminated fraction seen from the place
    double brightLimb = 0.0;             // position angle of the bright limb from the vertical
    double semidiameter = 0.0;           // topocentric semidiameter
    double crescentWidth = 0.0;          // 2 s' k'
    double monthStart = 0.0;             // M: local midnight (x.5) of the possible first day
                                         // of the next Islamic month
};

// Finds the first evening, on the day of the next new moon (nextNewMoon of date) or the day
// after, whose sunset follows the topocentric new moon and precedes the moonset, and
// computes the Moon and the Sun at that sunset. The crescent counts as visible when the
// Moon's apparent altitude above the Sun's plus the topocentric elongation reaches
// config.moonVisibilityLimit (degrees); the month then starts the next day, else a day later.
// Returns 1 with data filled, or 0 (data unchanged) when neither day has such a sunset
// (polar day or night, or the Moon setting first on both evenings).
int moonDataAtSunset(const CalendarDate& date, const Location& location, const Config& config,
                     MoonSunsetData& data);

// The same for runs of dates: the result of each lunation (and its refined new moon) is kept
// in memo (see lunation_memo.h). Same return value and data bit for bit.
int moonDataAtSunset(const CalendarDate& date, const Location& location, const Config& config,
                     MoonSunsetData& data, LunationMemo& memo);

}  // namespace kelmo
