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
#include "base/markers.h"
#include "calendar/julian_day.h"
#include "moon/moon_angles.h"

namespace kelmo {

namespace {

constexpr double kCenturiesPerDay = 1.0 / kDaysPerCentury;

// Adds shift days (as radians of the day) to the times of a triple; markers stay.
EventTriple shifted(EventTriple triple, double shiftDays) {
    for (double* x : {&triple.transit, &triple.rise, &triple.set}) {
        if (isTime(*x)) *x += shiftDays * kTwoPi;
    }
    return triple;
}

// The Moon's triple for the day frame starting at jd (local midnight, Julian day of the
// zone's clock).
EventTriple moonTripleFrom(double jd, const Location& location, const Config& config) {
    const double t = centuriesSinceJ2000(jd);
    const double tUT = t - location.timeZone / 24.0 * kCenturiesPerDay;
    const double deltaTSeconds = deltaT(t);
    const double tTT = tUT + deltaTSeconds * kSecondsToCenturies;
    const Nutation nut = nutation(tTT);
    const double eps = meanObliquity(tTT) + nut.deps;
    const double theta0 = apparentSiderealTime(meanSiderealTime(tUT), nut.dpsi, eps);
    const ObserverPlace place = observerGeocentric(location.latitude, location.height);

    std::array<EquatorialPosition, 3> positions;
    EclipticPosition middle;
    for (int i = 0; i < 3; ++i) {
        EclipticPosition moon = lunarPosition(tTT + (i - 1) * kCenturiesPerDay);
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

    return riseTransitSet(location.latitude, location.longitude, theta0, deltaTSeconds, positions,
                          h0, config.maxAcceptableError);
}

}  // namespace

EventTriple moonRiseTransitSet(const CalendarDate& date, const Location& location,
                               const Config& config) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double jd = julianDay(midnight);
    const EventTriple first = moonTripleFrom(jd, location, config);
    if (!isTime(first.transit) || (first.transit >= 0.0 && first.transit <= kTwoPi)) return first;

    // The transit fell outside the day: move the frame half a day toward it, compute again and
    // count the times from this day's midnight. Also when the second transit still lies
    // outside the day the times are counted from this midnight, so they keep their meaning.
    const double step = first.transit > kTwoPi ? -0.5 : 0.5;
    const EventTriple second = moonTripleFrom(jd + step, location, config);
    if (!isTime(second.transit)) return second;
    return shifted(second, step);
}

}  // namespace kelmo
