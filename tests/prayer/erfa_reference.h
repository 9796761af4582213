// An independent Sun for the prayer-time tests, from ERFA (the open-source SOFA library):
// apparent place of the Sun, true equator and equinox of date, and the Sun's altitude at a
// place and a moment.
#pragma once

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace kelmo::test {

struct ErfaSun {
    double rightAscension;  // radians
    double declination;     // radians
    double distance;        // AU
};

// jdTT: Julian day of Terrestrial Time (used as TDB).
//   eraEpv00: the Earth's heliocentric position and barycentric velocity; the Sun seen from
//   the Earth's centre (its own motion about the barycentre during the light time is below
//   0.01").
//   eraAb: annual aberration. eraPnm80: IAU 1976 precession + IAU 1980 nutation to the true
//   equator and equinox of date.
inline ErfaSun erfaSun(double jdTT) {
    const double date1 = ERFA_DJM0;
    const double date2 = jdTT - date1;
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(date1, date2, pvh, pvb);
    double towardSun[3];
    for (int k = 0; k < 3; ++k) towardSun[k] = -pvh[0][k];
    double distance = 0.0;
    double direction[3];
    eraPn(towardSun, &distance, direction);

    const double cAuPerDay = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;
    double v[3];
    double v2 = 0.0;
    for (int k = 0; k < 3; ++k) {
        v[k] = pvb[1][k] / cAuPerDay;
        v2 += v[k] * v[k];
    }
    double aberrated[3];
    eraAb(direction, v, distance, std::sqrt(1.0 - v2), aberrated);

    double npb[3][3];
    eraPnm80(date1, date2, npb);
    double ofDate[3];
    eraRxp(npb, aberrated, ofDate);
    double ra = 0.0;
    double dec = 0.0;
    eraC2s(ofDate, &ra, &dec);
    return {eraAnp(ra), dec, distance};
}

// The Sun's true geocentric altitude (radians) at geodetic latitude phi and east longitude
// lambda at the moment jdUT (UT1), with deltaTSeconds = TT - UT1. Sidereal time: eraGst94
// (IAU 1982 mean sidereal time + IAU 1994 equation of the equinoxes).
inline double erfaSunAltitude(double jdUT, double deltaTSeconds, double phi, double lambda,
                              ErfaSun* sunOut = nullptr) {
    const ErfaSun sun = erfaSun(jdUT + deltaTSeconds / ERFA_DAYSEC);
    if (sunOut) *sunOut = sun;
    const double hourAngle = eraGst94(ERFA_DJM0, jdUT - ERFA_DJM0) + lambda - sun.rightAscension;
    return std::asin(std::sin(phi) * std::sin(sun.declination) +
                     std::cos(phi) * std::cos(sun.declination) * std::cos(hourAngle));
}

}  // namespace kelmo::test
