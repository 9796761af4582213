// A body's apparent place interpolated over a local day, as an observer at one place sees it:
// hour angle, altitude, the culminations and the crossing of a target altitude.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), ch. 3 (interpolation) and ch. 15
// (the corrections of the transit and of the altitude).
#pragma once

#include <array>
#include <optional>

#include "astronomy/ecliptic_position.h"

namespace kelmo {

// How far (days) the altitude's highest or lowest point may lie from its culmination.
inline constexpr double kExtremeReachDays = 1.0 / 24.0;

// Three-point interpolation of y1, y2, y3 tabulated at n = -1, 0, +1.
double interpolate3(double y1, double y2, double y3, double n);

// When the three positions are tabulated, in days after local midnight's clock reading read
// as dynamical time: the middle one at middle, the others spacing before and after it.
struct Tabulation {
    double middle = 0.0;
    double spacing = 1.0;
};

// Times m are fractions of a day from local midnight of zone time; the place at m is read at
// n = (m + Delta-T / 86400 - middle) / spacing: by default the positions are tabulated one day
// apart, the middle one at 0h dynamical time of the midnight's clock reading.
class SkyTrack {
  public:
    // phi latitude, lambda east longitude, theta0 apparent sidereal time at local midnight.
    SkyTrack(double phi, double lambda, double theta0, double deltaTSeconds,
             const std::array<EquatorialPosition, 3>& positions, Tabulation tabulation = {});

    // False when an interpolated coordinate could be infinite or not a number.
    bool isFinite() const;
    // The local hour angle at m, not reduced: it grows by about 2 pi a day.
    double hourAngle(double m) const;
    // The true geocentric altitude at m.
    double altitude(double m) const;
    // The instant near m at which the hour angle is hourAngle modulo 2 pi (0 the upper, pi the
    // lower culmination), corrected until the step is at most tolerance days; none when
    // 1001 corrections do not get there.
    std::optional<double> culmination(double m, double hourAngle, double tolerance) const;
    // The instant near the culmination m at which the altitude is highest or lowest: for a
    // body whose declination moves fast (the Moon) the extreme comes minutes before or after
    // the culmination and lies higher or lower. Parabolas through three altitudes a minute
    // and a half apart, until the step is at most tolerance days; none when the altitude has
    // no extreme within kExtremeReachDays of m (near a pole it may only rise or only fall).
    std::optional<double> altitudeExtreme(double m, double tolerance) const;
    // The instant between lo and hi (where the altitude lies on either side of h: below it at
    // lo when belowAtLo) at which the altitude is h: Meeus's altitude correction from guess,
    // kept inside the shrinking bracket by bisection whenever it would leave it or stop
    // halving its steps, so that it cannot leave the interval; stops when the step is at most
    // tolerance days.
    double crossing(double lo, double hi, double guess, double h, double tolerance,
                    bool belowAtLo) const;

  private:
    struct Sample {
        double altitude;  // true geocentric altitude
        double rate;  // 2 pi cos(delta) cos(phi) sin(H): the altitude's fall per day times cos h
    };
    Sample sample(double m) const;
    double readingAt(double m) const;  // n of the interpolation at m

    double sinPhi_;
    double cosPhi_;
    double lambda_;
    double theta0_;
    double readingOffset_;  // Delta-T in days
    Tabulation tabulation_;
    std::array<double, 3> alpha_;
    std::array<double, 3> delta_;
};

}  // namespace kelmo
