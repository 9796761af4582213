// Moonrise, transit and moonset by the rise/set solver on three daily lunar positions.
#include "moon/moon_rise_set.h"

#include <array>
#include <cmath>

#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/lunar_position.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "astronomy/observer.h"
#include "astronomy/refraction.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sky_track.h"
#include "base/angles.h"
#include "base/recent_values.h"
#include "calendar/julian_day.h"
#include "moon/moon_angles.h"

namespace kelmo {

namespace {

constexpr double kCenturiesPerDay = 1.0 / kDaysPerCentury;
constexpr double kMiddleOfDay = 0.5;  // day fraction after local midnight

// The events within one day need the Moon over that day only: tabulated at its start, middle
// and end, where the interpolation errs by an eighth of what it does over three days (minutes
// of arc there, seconds of time at the horizon). The pass around the day's transit reaches
// into the days before and after.
constexpr Tabulation kOverTheDay{kMiddleOfDay, 0.5};
constexpr Tabulation kOverThreeDays{0.0, 1.0};

// The Moon's geocentric place at the instant t (Julian centuries, read as TT). The days of a
// run share tabulated instants (each a whole or half day after a local midnight), so a month
// or year computes two new places a day instead of three.
struct TabulatedMoon {
    double t = 0.0;
    EclipticPosition place;
};

EclipticPosition tabulatedMoon(double t) {
    thread_local RecentValues<TabulatedMoon, 6> kept;
    return kept
        .find([t](const TabulatedMoon& m) { return m.t == t; },
              [t] {
                  return TabulatedMoon{t, lunarPosition(t)};
              })
        .place;
}

// What the solver needs of the Moon's local day: the sidereal time at local midnight, Delta-T,
// the three positions and the horizon altitude of the Moon's centre.
struct MoonDay {
    double theta0 = 0.0;
    double deltaTSeconds = 0.0;
    std::array<EquatorialPosition, 3> positions;
    double horizonAltitude = 0.0;
};

MoonDay moonDay(const CalendarDate& date, const Location& location, const Config& config,
                Tabulation tabulation) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double jd = julianDay(midnight);
    const double zoneDays = location.timeZone / 24.0;
    const double t = centuriesSinceJ2000(jd);
    const double tUT = t - zoneDays * kCenturiesPerDay;
    const double deltaTSeconds = deltaT(t);
    const double tTT = tUT + deltaTSeconds * kSecondsToCenturies;
    const Nutation nut = nutation(tTT);
    const double eps = meanObliquity(tTT) + nut.deps;
    const double theta0 = apparentSiderealTime(meanSiderealTime(tUT), nut.dpsi, eps);
    // Tabulated in dynamical time from the midnight's clock reading (tUT read as TT); the
    // solver reads the place of the instant m at m + Delta-T.
    std::array<EquatorialPosition, 3> positions;
    std::array<double, 3> distances;
    for (int i = 0; i < 3; ++i) {
        const double days = tabulation.middle + (i - 1) * tabulation.spacing;
        EclipticPosition moon = tabulatedMoon(centuriesSinceJ2000(jd + days - zoneDays));
        moon.longitude += nut.dpsi;
        positions[i] = eclipticToEquatorial(moon.longitude, moon.latitude, eps);
        distances[i] = moon.distance;
    }

    // The horizon of the Moon's centre with its parallax and semidiameter at the middle of the
    // day: they move by under a minute of arc in a day.
    const double distance = interpolate3(distances[0], distances[1], distances[2],
                                         (kMiddleOfDay - tabulation.middle) / tabulation.spacing);
    const double sinParallax = kEarthEquatorialRadiusKm / distance;
    const double parallax =
        parallaxInAltitude(location.latitude, sinParallax, 0.0, location.height);
    const double h0 = horizonAltitude(parallax, moonSemidiameter(sinParallax), location, config);
    return MoonDay{theta0, deltaTSeconds, positions, h0};
}

}  // namespace

EventTriple moonRiseTransitSet(const CalendarDate& date, const Location& location,
                               const Config& config) {
    const MoonDay day = moonDay(date, location, config, kOverTheDay);
    return riseTransitSetWithinDay(location.latitude, location.longitude, day.theta0,
                                   day.deltaTSeconds, day.positions, day.horizonAltitude,
                                   config.maxAcceptableError, kOverTheDay);
}

EventTriple moonPassOfDay(const CalendarDate& date, const Location& location,
                          const Config& config) {
    const MoonDay day = moonDay(date, location, config, kOverThreeDays);
    return riseTransitSet(location.latitude, location.longitude, day.theta0, day.deltaTSeconds,
                          day.positions, day.horizonAltitude, config.maxAcceptableError);
}

}  // namespace kelmo
