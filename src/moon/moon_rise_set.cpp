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
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/moon_angles.h"

namespace kelmo {

namespace {

constexpr double kCenturiesPerDay = 1.0 / kDaysPerCentury;

// What the solver needs of the Moon's local day: the sidereal time at local midnight, Delta-T,
// the three positions and the horizon altitude of the Moon's centre.
struct MoonDay {
    double theta0 = 0.0;
    double deltaTSeconds = 0.0;
    std::array<EquatorialPosition, 3> positions;
    double horizonAltitude = 0.0;
};

MoonDay moonDay(const CalendarDate& date, const Location& location, const Config& config) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double t = centuriesSinceJ2000(julianDay(midnight));
    const double tUT = t - location.timeZone / 24.0 * kCenturiesPerDay;
    const double deltaTSeconds = deltaT(t);
    const double tTT = tUT + deltaTSeconds * kSecondsToCenturies;
    const Nutation nut = nutation(tTT);
    const double eps = meanObliquity(tTT) + nut.deps;
    const double theta0 = apparentSiderealTime(meanSiderealTime(tUT), nut.dpsi, eps);
    const ObserverPlace place = observerGeocentric(location.latitude, location.height);

    // Tabulated at 0h dynamical time of the midnight's clock reading (tUT read as TT); the
    // solver reads the place of the instant m at m + Delta-T.
    std::array<EquatorialPosition, 3> positions;
    EclipticPosition middle;
    for (int i = 0; i < 3; ++i) {
        EclipticPosition moon = lunarPosition(tUT + (i - 1) * kCenturiesPerDay);
        moon.longitude += nut.dpsi;
        positions[i] = eclipticToEquatorial(moon.longitude, moon.latitude, eps);
        if (i == 1) middle = moon;
    }

    const double sinParallax = kEarthEquatorialRadiusKm / middle.distance;
    const double parallax =
        parallaxInAltitude(location.latitude, sinParallax, 0.0, location.height);
    double semidiameter = moonSemidiameter(sinParallax);
    const double localSidereal = theta0 + location.timeZone * kHoursToRad + location.longitude;
    topocentricEcliptic(middle, semidiameter, place, eps, localSidereal, sinParallax);
    const double h0 =
        refract(parallax - semidiameter, location, config, RefractionDirection::ApparentToTrue) -
        horizonDip(location.height);
    return MoonDay{theta0, deltaTSeconds, positions, h0};
}

}  // namespace

EventTriple moonRiseTransitSet(const CalendarDate& date, const Location& location,
                               const Config& config) {
    const MoonDay day = moonDay(date, location, config);
    return riseTransitSetWithinDay(location.latitude, location.longitude, day.theta0,
                                   day.deltaTSeconds, day.positions, day.horizonAltitude,
                                   config.maxAcceptableError);
}

EventTriple moonPassOfDay(const CalendarDate& date, const Location& location,
                          const Config& config) {
    const MoonDay day = moonDay(date, location, config);
    return riseTransitSet(location.latitude, location.longitude, day.theta0, day.deltaTSeconds,
                          day.positions, day.horizonAltitude, config.maxAcceptableError);
}

}  // namespace kelmo
