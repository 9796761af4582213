// Moon data at the first qualifying sunset after a new moon, and the possible month start.
#include "moon/moon_data_at_sunset.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/lunar_position.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "astronomy/observer.h"
#include "astronomy/refraction.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sun_day.h"
#include "astronomy/sun_position.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/lunation_memo.h"
#include "moon/moon_angles.h"
#include "moon/moon_rise_set.h"
#include "moon/new_moon.h"

namespace kelmo {

namespace {

// The astronomical unit as the geocentric phase-angle formula takes it, km.
constexpr double kPhaseAngleAuKm = 149597870.0;

// Phase angle from the elongation psi, the Sun's distance r (AU) and the Moon's distance
// (km, over auKm): tan i = r sin psi / (delta - r cos psi), i in [0, pi].
// Source: J. Meeus, Astronomical Algorithms, 2nd ed., eq. 48.3.
double phaseAngle(double psi, double r, double moonDistanceKm, double auKm) {
    double i = std::atan(r * std::sin(psi) / (moonDistanceKm / auKm - r * std::cos(psi)));
    if (i < 0.0) i += kPi;
    return i;
}

double elongation(const EclipticPosition& moon, double sunLongitude) {
    return std::acos(
        std::clamp(std::cos(moon.latitude) * std::cos(moon.longitude - sunLongitude), -1.0, 1.0));
}

// Distance of the observer from the Earth's centre, km (rho of Meeus eq. 11.x with height).
double observerRadiusKm(double phi, int heightMetres) {
    return kEarthEquatorialRadiusKm *
           (0.9983271 + 0.0016764 * std::cos(2.0 * phi) - 0.0000035 * std::cos(4.0 * phi) +
            heightMetres / (1000.0 * kEarthEquatorialRadiusKm));
}

// The Sun's and the Moon's triples for the local day starting at jd (x.5).
void dayEvents(double jd, const Location& location, const Config& config, EventTriple& sun,
               EventTriple& moon) {
    CalendarDate day;
    dateFromJulianDay(jd, day);
    const DayFrame frame = prepareSunDay(day, location, config);
    sun = riseTransitSet(location.latitude, location.longitude, frame.siderealTime,
                         frame.deltaTSeconds, frame.sun,
                         sunHorizonAltitude(frame, location, config), config.maxAcceptableError);
    moon = moonPassOfDay(day, location, config);
}

// Computes the Sun and the Moon at the sunset of data (sunsetDay, sunset already set).
void positionsAtSunset(const Location& location, const Config& config, MoonSunsetData& data) {
    const double phi = location.latitude;
    const double sunsetUT = data.sunsetDay + data.sunset / kTwoPi - location.timeZone / 24.0;
    const double tUT = centuriesSinceJ2000(sunsetUT);
    const double tTT = tUT + deltaT(tUT) * kSecondsToCenturies;
    const Nutation nut = nutation(tTT);
    const double eps = meanObliquity(tTT) + nut.deps;
    const ObserverPlace place = observerGeocentric(phi, location.height);
    const double theta =
        apparentSiderealTime(meanSiderealTime(tUT), nut.dpsi, eps) + location.longitude;

    // The Sun, geocentric apparent and then topocentric.
    const EclipticPosition sunGeo = sunApparent(tTT, nut.dpsi);
    EclipticPosition sunTopo = sunGeo;
    double sunSemi = sunSemidiameter(sunGeo.distance) * kArcsecToRad;
    topocentricEcliptic(sunTopo, sunSemi, place, eps, theta, sunSinParallax(sunGeo.distance));
    const EquatorialPosition sunEq = eclipticToEquatorial(sunTopo.longitude, sunTopo.latitude, eps);
    const HorizontalPosition sunHor =
        equatorialToHorizontal(sunEq.rightAscension, sunEq.declination, theta, phi);

    // The Moon, geocentric apparent and then topocentric.
    EclipticPosition moonGeo = lunarPosition(tTT);
    moonGeo.longitude += nut.dpsi;
    const double sinParallax = kEarthEquatorialRadiusKm / moonGeo.distance;
    EclipticPosition moonTopo = moonGeo;
    double moonSemi = moonSemidiameter(sinParallax);
    topocentricEcliptic(moonTopo, moonSemi, place, eps, theta, sinParallax);
    const EquatorialPosition moonEq =
        eclipticToEquatorial(moonTopo.longitude, moonTopo.latitude, eps);
    const HorizontalPosition moonHor =
        equatorialToHorizontal(moonEq.rightAscension, moonEq.declination, theta, phi);

    data.moonAltitude =
        refract(moonHor.altitude, location, config, RefractionDirection::TrueToApparent);
    data.sunAltitude =
        refract(sunHor.altitude, location, config, RefractionDirection::TrueToApparent);
    data.moonAzimuth = moonHor.azimuth;
    data.sunAzimuth = sunHor.azimuth;

    const double r = sunGeo.distance;
    data.geocentricElongation = elongation(moonGeo, sunGeo.longitude);
    data.illuminatedGeocentric = (1.0 + std::cos(phaseAngle(data.geocentricElongation, r,
                                                            moonGeo.distance, kPhaseAngleAuKm))) /
                                 2.0;
    data.topocentricElongation = elongation(moonTopo, sunTopo.longitude);
    data.illuminated = (1.0 + std::cos(phaseAngle(data.topocentricElongation, r, moonGeo.distance,
                                                  kAstronomicalUnitKm))) /
                       2.0;

    const double chi = brightLimbAngle(sunEq.declination, sunEq.rightAscension, moonEq.declination,
                                       moonEq.rightAscension);
    data.brightLimb = chi - parallacticAngle(moonEq.rightAscension, moonEq.declination, phi, theta);
    data.semidiameter = moonSemi;
    data.crescentWidth = 2.0 * moonSemi * data.illuminated;
    data.geocentricDistanceKm = moonGeo.distance;
    data.topocentricDistanceKm = moonGeo.distance - observerRadiusKm(phi, location.height);
}

// moonDataAtSunset after the new moon newMoon (Julian days TT on the zone's clock).
int sunsetAfterNewMoon(const NewMoonPair& newMoon, const Location& location, const Config& config,
                       MoonSunsetData& data) {
    // From here on Universal Time on the zone's clock.
    const double deltaTSeconds = deltaT(centuriesSinceJ2000(newMoon.topocentric));
    const NewMoonPair ut = inUniversalTime(newMoon);
    const double g = ut.geocentric;
    const double q = ut.topocentric;
    const double newMoonDay = std::floor(q - 0.5) + 0.5;

    MoonSunsetData found;
    bool qualifies = false;
    for (int i = 0; i < 2 && !qualifies; ++i) {
        found.sunsetDay = newMoonDay + i;
        dayEvents(found.sunsetDay, location, config, found.sun, found.moon);
        const std::optional<double> sunset = found.sun.set.angle();
        const std::optional<double> moonset = found.moon.set.angle();
        qualifies =
            sunset && moonset && found.sunsetDay + *sunset / kTwoPi >= q && *moonset >= *sunset;
        if (qualifies) {
            found.sunset = *sunset;
            found.moonset = *moonset;
        }
    }
    if (!qualifies) return 0;

    found.geocentricNewMoon = g;
    found.topocentricNewMoon = q;
    found.deltaTSeconds = deltaTSeconds;
    const double sunsetLocal = found.sunsetDay + found.sunset / kTwoPi;
    found.geocentricAge = sunsetLocal - g;
    found.topocentricAge = sunsetLocal - q;
    positionsAtSunset(location, config, found);

    // Visible on this evening: the month begins the next day, else a day later.
    const double visibility =
        (found.moonAltitude - found.sunAltitude) + found.topocentricElongation;
    const bool visible = visibility >= config.moonVisibilityLimit * kDegToRad;
    found.monthStart = found.sunsetDay + (visible ? 1.0 : 2.0);
    data = found;
    return 1;
}

}  // namespace

int moonDataAtSunset(const CalendarDate& date, const Location& location, const Config& config,
                     MoonSunsetData& data) {
    return sunsetAfterNewMoon(nextNewMoon(date, location), location, config, data);
}

int moonDataAtSunset(const CalendarDate& date, const Location& location, const Config& config,
                     MoonSunsetData& data, LunationMemo& memo) {
    // The result depends on date only through the estimate the new moon is refined from.
    const double estimate = newMoonEstimate(date, location);
    if (const LunationMemo::SunsetResult* kept = memo.sunsetResult(estimate, location, config)) {
        if (kept->found == 1) data = kept->data;
        return kept->found;
    }
    LunationMemo::SunsetResult result;
    result.found =
        sunsetAfterNewMoon(nextNewMoon(date, location, memo), location, config, result.data);
    memo.keepSunsetResult(estimate, location, config, result);
    if (result.found == 1) data = result.data;
    return result.found;
}

}  // namespace kelmo
