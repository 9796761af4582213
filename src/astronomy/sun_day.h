// The astronomical frame of one local day at one place, shared by the day's Sun events.
#pragma once

#include <array>

#include "astronomy/ecliptic_position.h"
#include "astronomy/nutation.h"
#include "astronomy/observer.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

struct DayFrame {
    double tUT = 0.0;                       // T of local midnight in UT
    double deltaTSeconds = 0.0;             // Delta-T of the date at 0h
    double meanObliquity = 0.0;             // eps0
    Nutation nutation;                      // at tUT read as TT (the middle tabulated instant)
    double obliquity = 0.0;                 // eps = eps0 + deps
    double siderealTime = 0.0;              // theta0: apparent sidereal time at tUT
    ObserverPlace observer;                 // of the location with its height
    std::array<EquatorialPosition, 3> sun;  // apparent, at tUT - 1 day, tUT, tUT + 1 day read as
                                            // TT, each with its own nutation
    double sunDistance = 0.0;               // R at tUT read as TT, AU
    double sinParallax = 0.0;               // sin(8.794") / R
    double semidiameter = 0.0;              // radians
    double horizonAltitude = 0.0;           // h0: see sunHorizonAltitude
};

// The day frame of the civil date (integer day) at location.
DayFrame prepareSunDay(const CalendarDate& date, const Location& location, const Config& config);

// h0: the true geocentric altitude of the Sun's centre when its upper limb touches the visible
// horizon (horizonAltitude of the Sun's parallax and semidiameter).
double sunHorizonAltitude(const DayFrame& frame, const Location& location, const Config& config);

}  // namespace kelmo
