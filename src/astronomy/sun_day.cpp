#include "astronomy/sun_day.h"

#include <array>
#include <cmath>

#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/obliquity.h"
#include "astronomy/refraction.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sun_position.h"
#include "base/angles.h"
#include "base/recent_values.h"
#include "calendar/julian_day.h"

// The frame of one local day: time scales, nutation, obliquity and sidereal time at local
// midnight, the observer's place, and the Sun's apparent place on the day before, the day and
// the day after, for the interpolation of Meeus, Astronomical Algorithms, ch. 15.
namespace kelmo {

namespace {

// The Sun's apparent place at the instant t (Julian centuries, read as TT) with the nutation and
// obliquity of that instant.
struct TabulatedSun {
    double t = 0.0;
    Nutation nutation;
    double meanObliquity = 0.0;
    EquatorialPosition place;
    double distance = 0.0;
};

TabulatedSun computeTabulatedSun(double t) {
    TabulatedSun s;
    s.t = t;
    s.nutation = nutation(t);
    s.meanObliquity = meanObliquity(t);
    const EclipticPosition sun = sunApparent(t, s.nutation.dpsi);
    s.place = eclipticToEquatorial(sun.longitude, sun.latitude, s.meanObliquity + s.nutation.deps);
    s.distance = sun.distance;
    return s;
}

// The frames of consecutive days share two of their three tabulated instants (each is the
// midnight of a whole Julian day): a run of days computes one new place a day.
TabulatedSun tabulatedSun(double t) {
    thread_local RecentValues<TabulatedSun, 4> kept;
    return kept.find([t](const TabulatedSun& s) { return s.t == t; },
                     [t] { return computeTabulatedSun(t); });
}

}  // namespace

DayFrame prepareSunDay(const CalendarDate& date, const Location& location, const Config& config) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double jd = julianDay(midnight);
    const double zoneDays = static_cast<double>(location.timeZone) / kHoursPerDay;

    DayFrame frame;
    frame.tUT = centuriesSinceJ2000(jd - zoneDays);
    frame.deltaTSeconds = deltaT(centuriesSinceJ2000(jd));

    // The Sun tabulated at 0h dynamical time of the clock readings of the three midnights, the
    // instants the solver reads at m + Delta-T, so that the Sun of the event's own instant is
    // read; each with its own nutation.
    std::array<TabulatedSun, 3> sun;
    for (int k = 0; k < 3; ++k) sun[k] = tabulatedSun(centuriesSinceJ2000(jd + (k - 1) - zoneDays));
    for (int k = 0; k < 3; ++k) frame.sun[k] = sun[k].place;

    // Nutation and obliquity of the middle instant: in Delta-T they move by a millionth of an
    // arcsecond.
    frame.meanObliquity = sun[1].meanObliquity;
    frame.nutation = sun[1].nutation;
    frame.obliquity = frame.meanObliquity + frame.nutation.deps;
    frame.siderealTime =
        apparentSiderealTime(meanSiderealTime(frame.tUT), frame.nutation.dpsi, frame.obliquity);
    frame.observer = observerGeocentric(location.latitude, location.height);

    frame.sunDistance = sun[1].distance;
    frame.sinParallax = sunSinParallax(frame.sunDistance);
    frame.semidiameter = sunSemidiameter(frame.sunDistance) * kArcsecToRad;
    frame.horizonAltitude = sunHorizonAltitude(frame, location, config);
    return frame;
}

double sunHorizonAltitude(const DayFrame& frame, const Location& location, const Config& config) {
    const double parallax =
        parallaxInAltitude(location.latitude, frame.sinParallax, 0.0, location.height);
    return horizonAltitude(parallax, frame.semidiameter, location, config);
}

}  // namespace kelmo
