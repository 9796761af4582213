// New moon: Meeus's method and its refinement on the apparent longitudes.
#include "moon/new_moon.h"

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/delta_t.h"
#include "astronomy/lunar_phase_table.h"
#include "astronomy/lunar_position.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "astronomy/observer.h"
#include "astronomy/sidereal_time.h"
#include "astronomy/sun_position.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/lunation_memo.h"

namespace kelmo {

namespace {

// Epoch of the lunation count k (the new moon of 2000 January 6), Julian ephemeris day.
constexpr double kLunationEpoch = 2451550.09765;
// Lunations per Julian century.
constexpr double kLunationsPerCentury = 1236.85;
// Stop when the longitudes agree to this, radians.
constexpr double kLongitudeTolerance = 1e-8;

double evaluate(const PhasePolynomial& p, double k, double t) {
    return p.c0 + p.krate * k + t * (p.cT + t * (p.cT2 + t * (p.cT3 + t * p.cT4)));
}

// Apparent longitudes of the Sun and the Moon at tTT, optionally as seen from the observer.
struct Longitudes {
    double sun = 0.0;
    double moon = 0.0;
};

struct RefineFrame {
    double deltaTSeconds = 0.0;
    double eps = 0.0;
    Nutation nutation;
    ObserverPlace place;
    double longitude = 0.0;
};

Longitudes apparentLongitudes(const RefineFrame& frame, double tTT, bool topocentric) {
    EclipticPosition sun = sunApparent(tTT, frame.nutation.dpsi);
    EclipticPosition moon = lunarPosition(tTT);
    moon.longitude += frame.nutation.dpsi;
    if (topocentric) {
        const double tUT = tTT - frame.deltaTSeconds * kSecondsToCenturies;
        const double theta =
            apparentSiderealTime(meanSiderealTime(tUT), frame.nutation.dpsi, frame.eps) +
            frame.longitude;
        double semidiameter = 0.0;  // not needed here
        topocentricEcliptic(moon, semidiameter, frame.place, frame.eps, theta,
                            kEarthEquatorialRadiusKm / moon.distance);
        topocentricEcliptic(sun, semidiameter, frame.place, frame.eps, theta,
                            sunSinParallax(sun.distance));
    }
    return {sun.longitude, moon.longitude};
}

}  // namespace

double approximateNewMoon(double jd) {
    const double k = std::floor((jd + 1.0 - kLunationEpoch) / kSynodicMonthDays) + 1.0;
    const double t = k / kLunationsPerCentury;

    const double e = evaluate(kNewMoonEccentricity, k, t);
    const double m = evaluate(kNewMoonSunAnomaly, k, t) * kDegToRad;
    const double mp = evaluate(kNewMoonMoonAnomaly, k, t) * kDegToRad;
    const double f = evaluate(kNewMoonArgumentOfLatitude, k, t) * kDegToRad;
    const double omega = evaluate(kNewMoonNode, k, t) * kDegToRad;

    double jde = evaluate(kNewMoonMeanPhase, k, t);
    for (const NewMoonTerm& term : kNewMoonTerms) {
        const double arg = term.m * m + term.mp * mp + term.f * f + term.om * omega;
        jde += term.coefficient * std::pow(e, term.ePower) * std::sin(arg);
    }
    for (const PlanetaryCorrection& c : kNewMoonCorrections) {
        jde += c.amplitude * std::sin((c.c0 + c.krate * k + c.cT2 * t * t) * kDegToRad);
    }
    return jde;
}

double refineNewMoon(const Location& location, double jdTT, bool topocentric) {
    const double t0 = centuriesSinceJ2000(jdTT);
    RefineFrame frame;
    frame.deltaTSeconds = deltaT(t0);
    frame.nutation = nutation(t0);
    frame.eps = meanObliquity(t0) + frame.nutation.deps;
    frame.place = observerGeocentric(location.latitude, location.height);
    frame.longitude = location.longitude;

    for (int pass = 0; pass < kMaxNewMoonIterations; ++pass) {
        const Longitudes l = apparentLongitudes(frame, centuriesSinceJ2000(jdTT), topocentric);
        // Difference taken the short way round, also when the two lie on either side of 0.
        const double g = reduceAngleSigned(l.sun - l.moon);
        if (std::abs(g) < kLongitudeTolerance) break;
        jdTT += g * kRadToDeg / kMeanElongationDegPerDay;
    }
    return jdTT;
}

NewMoonPair refineNewMoonPair(const Location& location, double jdTT) {
    const double geocentric = refineNewMoon(location, jdTT, false);
    const double topocentric = refineNewMoon(location, geocentric, true);
    return {geocentric, topocentric};
}

double newMoonEstimate(const CalendarDate& date, const Location& location) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const double a = julianDay(midnight);
    const double zone = location.timeZone / 24.0;
    double c = approximateNewMoon(a - 30.0);
    while (a > c + zone) c = approximateNewMoon(c + 1.0);
    return c;
}

namespace {

NewMoonPair onZoneClock(const NewMoonPair& tt, const Location& location) {
    const double zone = location.timeZone / 24.0;
    return {tt.geocentric + zone, tt.topocentric + zone};
}

}  // namespace

NewMoonPair nextNewMoon(const CalendarDate& date, const Location& location) {
    return onZoneClock(refineNewMoonPair(location, newMoonEstimate(date, location)), location);
}

NewMoonPair nextNewMoon(const CalendarDate& date, const Location& location, LunationMemo& memo) {
    return onZoneClock(memo.refinedNewMoon(newMoonEstimate(date, location), location), location);
}

NewMoonPair inUniversalTime(const NewMoonPair& pair) {
    const double deltaTDays = deltaT(centuriesSinceJ2000(pair.topocentric)) / kSecondsPerDay;
    return NewMoonPair{pair.geocentric - deltaTDays, pair.topocentric - deltaTDays};
}

}  // namespace kelmo
