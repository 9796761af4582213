// Independent references for the Moon tests, built on ERFA (SOFA) routines only.
#pragma once

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace kelmo::testing {

inline constexpr double kMjdZero = 2400000.5;

struct Vector3 {
    double v[3];
};

// The Moon's geocentric GCRS position (au): eraMoon98 (Meeus's abridged ELP-2000/82).
inline Vector3 erfaMoonGcrs(double jdTT) {
    double pv[2][3];
    eraMoon98(kMjdZero, jdTT - kMjdZero, pv);
    return {{pv[0][0], pv[0][1], pv[0][2]}};
}

// The Sun's geocentric position (au, BCRS axes): minus the Earth's heliocentric position of
// eraEpv00 (VSOP2000-based, about 5 km).
inline Vector3 erfaSunGcrs(double jdTT) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(kMjdZero, jdTT - kMjdZero, pvh, pvb);
    return {{-pvh[0][0], -pvh[0][1], -pvh[0][2]}};
}

// Longitude (radians) in the mean ecliptic and equinox of date (eraEcm06) of a GCRS vector.
inline double eclipticLongitudeOfDate(Vector3 p, double jdTT) {  // by value: ERFA takes double*
    double rm[3][3], e[3], lon, lat;
    eraEcm06(kMjdZero, jdTT - kMjdZero, rm);
    eraRxp(rm, p.v, e);
    eraC2s(e, &lon, &lat);
    return lon;
}

// Moon minus apparent Sun longitude (radians, short way): the Sun's apparent longitude is
// its geometric one less the aberration 20.4898" / R (Meeus, ch. 25); nutation cancels.
inline double erfaMoonMinusSun(double jdTT) {
    Vector3 sun = erfaSunGcrs(jdTT);
    const double aberration = 20.4898 / 3600.0 * ERFA_DD2R / eraPm(sun.v);
    const double d = eclipticLongitudeOfDate(erfaMoonGcrs(jdTT), jdTT) -
                     (eclipticLongitudeOfDate(sun, jdTT) - aberration);
    return eraAnpm(d);
}

// The geocentric new moon nearest guess (Julian day TT) by the secant method on ERFA positions.
inline double erfaNewMoon(double guess) {
    double x0 = guess - 0.05, x1 = guess + 0.05;
    double f0 = erfaMoonMinusSun(x0), f1 = erfaMoonMinusSun(x1);
    for (int i = 0; i < 30 && std::abs(x1 - x0) > 1e-8; ++i) {
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        x0 = x1;
        f0 = f1;
        x1 = x2;
        f1 = erfaMoonMinusSun(x1);
    }
    return x1;
}

// The Moon seen from a place: topocentric true altitude of its centre and its topocentric
// semidiameter, and its geocentric hour angle, from eraMoon98 in the true equator and equinox
// of date (eraPnm06a), Greenwich apparent sidereal time (eraGmst06 plus the equation of the
// equinoxes of eraGst06a) and the WGS84 observer of eraGd2gc (polar motion neglected).
struct TopocentricMoon {
    double altitude = 0.0;      // radians, no refraction
    double semidiameter = 0.0;  // radians
    double hourAngle = 0.0;     // geocentric, radians in [-pi, pi)
};

// The slowly changing part, computed once for a day: the bias-precession-nutation matrix and
// the equation of the equinoxes (they change by well under 0.1" in a day).
struct DayRotation {
    double npb[3][3];
    double equationOfEquinoxes;
};

inline DayRotation erfaDayRotation(double jdUT, double deltaTSeconds) {
    const double jdTT = jdUT + deltaTSeconds / 86400.0;
    DayRotation r;
    eraPnm06a(kMjdZero, jdTT - kMjdZero, r.npb);
    r.equationOfEquinoxes = eraGst06a(kMjdZero, jdUT - kMjdZero, kMjdZero, jdTT - kMjdZero) -
                            eraGmst06(kMjdZero, jdUT - kMjdZero, kMjdZero, jdTT - kMjdZero);
    return r;
}

inline TopocentricMoon erfaTopocentricMoon(const DayRotation& rotation, double jdUT,
                                           double deltaTSeconds, double latitude, double longitude,
                                           double heightMetres) {
    const double jdTT = jdUT + deltaTSeconds / 86400.0;
    Vector3 gcrs = erfaMoonGcrs(jdTT);
    double npb[3][3], tod[3];
    eraCr(const_cast<double(*)[3]>(rotation.npb), npb);
    eraRxp(npb, gcrs.v, tod);
    const double gast = eraGmst06(kMjdZero, jdUT - kMjdZero, kMjdZero, jdTT - kMjdZero) +
                        rotation.equationOfEquinoxes;
    double itrs[3];
    eraGd2gc(ERFA_WGS84, longitude, latitude, heightMetres, itrs);
    const double local = gast + longitude;
    double observer[3];
    observer[0] = std::cos(gast) * itrs[0] - std::sin(gast) * itrs[1];
    observer[1] = std::sin(gast) * itrs[0] + std::cos(gast) * itrs[1];
    observer[2] = itrs[2];
    double topo[3];
    for (int i = 0; i < 3; ++i) topo[i] = tod[i] * ERFA_DAU - observer[i];
    double up[3] = {std::cos(latitude) * std::cos(local), std::cos(latitude) * std::sin(local),
                    std::sin(latitude)};
    const double r = eraPm(topo);
    TopocentricMoon m;
    m.altitude = std::asin(eraPdp(topo, up) / r);
    m.semidiameter = std::asin(1737.4e3 / r);
    m.hourAngle = eraAnpm(local - std::atan2(tod[1], tod[0]));
    return m;
}

}  // namespace kelmo::testing
