// The instant of new moon: Meeus's estimate, its refinement on the lunar theory, and the next
// new moon after a date, geocentric and as seen from a place.
#pragma once

#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

class LunationMemo;

// Mean synodic month, days.
inline constexpr double kSynodicMonthDays = 29.530588853;
// Mean daily elongation of the Moon from the Sun, degrees per day.
inline constexpr double kMeanElongationDegPerDay = 12.190749007159832;

// The true new moon of the first lunation after jd (Julian day, dynamical time): the mean
// phase with the 25 periodic terms and the 14 planetary corrections; returns the Julian
// ephemeris day (TT). Only the new moon: the other phases need coefficient tables this
// program does not carry.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 49.
double approximateNewMoon(double jd);

// Iterates jdTT (a first estimate of a new moon, Julian day TT) to the instant at which the
// apparent ecliptic longitudes of the Moon and the Sun are equal, geocentric or, with
// topocentric, as seen from location. Stops when the longitudes agree to 1e-8 radians, or
// after kMaxNewMoonIterations corrections. Returns the Julian day (TT).
inline constexpr int kMaxNewMoonIterations = 100;
double refineNewMoon(const Location& location, double jdTT, bool topocentric);

struct NewMoonPair {
    double geocentric = 0.0;   // Julian day, TT plus timeZone/24 (local clock of the zone)
    double topocentric = 0.0;  // the same, as seen from the location
};

// refineNewMoon geocentric from the estimate jdTT, then topocentric from the geocentric
// instant. Both Julian days TT, without the zone's hours.
NewMoonPair refineNewMoonPair(const Location& location, double jdTT);

// The Meeus estimate (Julian day TT) of the first lunation whose new moon, on the zone's
// clock, is not before local midnight at the start of date: the value nextNewMoon refines.
double newMoonEstimate(const CalendarDate& date, const Location& location);

// The pair in Universal Time on the zone's clock: Delta-T of the topocentric instant taken off
// both.
NewMoonPair inUniversalTime(const NewMoonPair& pair);

// The first new moon whose local time is not before local midnight at the start of date.
NewMoonPair nextNewMoon(const CalendarDate& date, const Location& location);

// The same with the refinement kept in memo by estimate and place (see lunation_memo.h); the
// same result bit for bit.
NewMoonPair nextNewMoon(const CalendarDate& date, const Location& location, LunationMemo& memo);

}  // namespace kelmo
