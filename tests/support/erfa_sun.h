// The Sun from ERFA (the open-source SOFA library): the independent reference of the Sun,
// rise/set and prayer-time tests.
#pragma once

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace kelmo::test {

struct ErfaSun {
    double rightAscension;  // radians, [0, 2 pi)
    double declination;     // radians
    double distance;        // AU
};

// The Sun's apparent geocentric right ascension and declination, true equator and equinox of
// date, at the Julian day jdTT (TT, used as TDB):
//   eraEpv00 Earth heliocentric and barycentric position and velocity;
//   light time: the Sun taken where it was when the light left it (its barycentric motion);
//   eraAb stellar aberration from the Earth's barycentric velocity;
//   eraPnm80 IAU 1976 precession and IAU 1980 nutation from J2000.0 to the true frame of date.
inline ErfaSun erfaSun(double jdTT) {
    const double date1 = 2400000.5;
    const double date2 = jdTT - date1;
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(date1, date2, pvh, pvb);

    const double cAuPerDay = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;
    double sunGeo[3];
    double distance = 0.0;
    for (int k = 0; k < 3; ++k) distance += pvh[0][k] * pvh[0][k];
    distance = std::sqrt(distance);
    const double lightTime = distance / cAuPerDay;
    for (int k = 0; k < 3; ++k) {
        const double sunVelocity = pvb[1][k] - pvh[1][k];  // the Sun about the barycentre
        sunGeo[k] = -pvh[0][k] - sunVelocity * lightTime;
    }
    double direction[3];
    double r = 0.0;
    eraPn(sunGeo, &r, direction);

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
    return ErfaSun{eraAnp(ra), dec, distance};
}

// Separation on the sky (radians) between two equatorial positions.
inline double separation(double ra1, double dec1, double ra2, double dec2) {
    return eraSeps(ra1, dec1, ra2, dec2);
}

}  // namespace kelmo::test
