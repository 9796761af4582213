// Transit, rising and setting of a body at a target altitude, from positions interpolated over
// three consecutive days.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 15, with the existence of
// each event decided from the altitudes at the culminations and each crossing searched inside
// the half day that holds it (astronomy/sky_track.h).
#pragma once

#include <array>
#include <optional>

#include "astronomy/ecliptic_position.h"
#include "astronomy/sky_track.h"
#include "calendar/frame_time.h"

namespace kelmo {

// Times in radians of the day (2 pi = 24 h) from local midnight of zone time, or markers.
struct EventTriple {
    FrameTime transit;
    FrameTime rise;
    FrameTime set;
};

// The events of the body's day that has its upper culmination (the transit) in the local day:
// the rise is the crossing of targetAltitude between the lower culmination before the transit
// and the transit, the set the crossing between the transit and the lower culmination after
// it; so a rise may come before local midnight (below 0) and a set after the next (at or
// above 2 pi). A rise or set that does not exist is AlwAbove when the body stays above the
// target at that lower culmination; when it stays below the target even at the transit, all
// three are AlwBelow. NotValid for a non-finite position.
// phi latitude, lambda east longitude, theta0 apparent sidereal time at local midnight,
// positions at 0h dynamical time of the day before, the day and the day after (read at
// m + Delta-T), targetAltitude (radians, true geocentric), toleranceSeconds of time.
EventTriple riseTransitSet(double phi, double lambda, double theta0, double deltaTSeconds,
                           const std::array<EquatorialPosition, 3>& positions,
                           double targetAltitude, double toleranceSeconds);

// The same for several target altitudes of one body at one place: the transit and the lower
// culminations around it, and the altitudes there, are found once.
class BodyDay {
  public:
    BodyDay(double phi, double lambda, double theta0, double deltaTSeconds,
            const std::array<EquatorialPosition, 3>& positions, double toleranceSeconds);

    // riseTransitSet at targetAltitude.
    EventTriple events(double targetAltitude) const;

  private:
    SkyTrack track_;
    double phi_;
    double delta2_;     // declination of the middle day, for the first estimates
    double tolerance_;  // days
    double m0_ = 0.0;   // first estimate of the transit, in [0, 1)
    std::optional<double> before_, transit_, after_;  // culminations, days
    double altitudeBefore_ = 0.0, altitudeTransit_ = 0.0, altitudeAfter_ = 0.0;
};

// The events that happen within the local day itself [0, 2 pi), for a body whose day is
// longer than the solar day (the Moon): the transit in the day, the first rise and the first
// set in the day. An event the day does not hold is NotValid; a rise and set are AlwAbove
// when the body stays above the target all day, and all three AlwBelow when it stays below.
// Whether the body reaches the target is decided at the altitude's real highest and lowest
// points, which a fast-moving declination moves off the culminations (a short rise and set
// near a grazing culmination at high latitude lies between them).
// The positions may be tabulated closer than a day apart around the day (tabulation).
EventTriple riseTransitSetWithinDay(double phi, double lambda, double theta0, double deltaTSeconds,
                                    const std::array<EquatorialPosition, 3>& positions,
                                    double targetAltitude, double toleranceSeconds,
                                    Tabulation tabulation = {});

}  // namespace kelmo
