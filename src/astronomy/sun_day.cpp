#include "astronomy/sun_day.h"

#include <cmath>

#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/obliquity.h"
#include "astronomy/refraction.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sun_position.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

// The frame of one local day: time scales, nutation, obliquity and sidereal time at local
// midnight, the observer's place, and the Sun's apparent place on the day before, the day and
// the day after, for the interpolation of Meeus, Astronomical Algorithms, ch. 15.
namespace kelmo {

namespace {

constexpr double kHoursPerDay = 24.0;
constexpr double kOneDayInCenturies = 1.0 / kDaysPerCentury;

EquatorialPosition apparentSun(double tTT, const Nutation& nutation, double eps) {
    const EclipticPosition sun = sunApparent(tTT, nutation.dpsi);
    return eclipticToEquatorial(sun.longitude, sun.latitude, eps);
}

}  // namespace

DayFrame prepareSunDay(const CalendarDate& date, const Location& location, const Config& config) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double jd = julianDay(midnight);

    DayFrame frame;
    frame.tUT = centuriesSinceJ2000(jd - static_cast<double>(location.timeZone) / kHoursPerDay);
    frame.deltaTSeconds = deltaT(centuriesSinceJ2000(jd));
    frame.tTT = frame.tUT + frame.deltaTSeconds * kSecondsToCenturies;

    frame.meanObliquity = meanObliquity(frame.tTT);
    frame.nutation = nutation(frame.tTT);
    frame.obliquity = frame.meanObliquity + frame.nutation.deps;
    frame.siderealTime =
        apparentSiderealTime(meanSiderealTime(frame.tUT), frame.nutation.dpsi, frame.obliquity);
    frame.observer = observerGeocentric(location.latitude, location.height);

    // Tabulated at 0h dynamical time of the midnight's clock reading, the instant the solver
    // reads at n = m + Delta-T, so that the Sun of the event's own instant is read.
    const double tTabulated = frame.tUT;
    frame.sun[0] = apparentSun(tTabulated - kOneDayInCenturies, frame.nutation, frame.obliquity);
    const EclipticPosition today = sunApparent(tTabulated, frame.nutation.dpsi);
    frame.sun[1] = eclipticToEquatorial(today.longitude, today.latitude, frame.obliquity);
    frame.sun[2] = apparentSun(tTabulated + kOneDayInCenturies, frame.nutation, frame.obliquity);

    frame.sunDistance = today.distance;
    frame.sinParallax = sunSinParallax(frame.sunDistance);
    frame.semidiameter = sunSemidiameter(frame.sunDistance) * kArcsecToRad;
    frame.horizonAltitude = sunHorizonAltitude(frame, location, config);
    return frame;
}

double sunHorizonAltitude(const DayFrame& frame, const Location& location, const Config& config) {
    const double parallax =
        parallaxInAltitude(location.latitude, frame.sinParallax, 0.0, location.height);
    return refract(parallax - frame.semidiameter, location, config,
                   RefractionDirection::ApparentToTrue) -
           horizonDip(location.height);
}

}  // namespace kelmo
