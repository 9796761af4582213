// The Moon's geocentric ecliptic position from S. L. Moshier's analytical lunar theory,
// adjusted to the JPL DE404 ephemeris (631 + 1 longitude-and-distance terms, 360 + 1
// latitude terms with polynomial amplitudes in time).
// Source: S. L. Moshier, "plan404" lunar theory (moonlr, moonlat, gplan), 1995; mean elements
// of the planets from Simon et al. (1994), A&A 282, 663.
#pragma once

#include <array>

#include "astronomy/ecliptic_position.h"
#include "astronomy/lunar_series_table.h"

namespace kelmo {

inline constexpr double kAstronomicalUnitKm = 149597870.691;
inline constexpr double kEarthEquatorialRadiusKm = 6378.137;

// A full circle in arcseconds.
inline constexpr double kArcsecPerTurn = 1296000.0;

// The 18 mean elements of the lunar theory, radians (index order fixed by the series tables):
// 0..7 Mercury .. Neptune mean longitudes, 8 Pluto (not computed), 9 D, 10 F, 11 l', 12 l,
// 13 L (mean equinox of date), 14..17 long-period libration arguments (16 not computed).
struct LunarMeanElements {
    std::array<double, 18> args{};
    double moonLongitudeArcsec = 0.0;  // L in arcseconds, as added to the longitude series
    double precessionArcsec = 0.0;     // general precession in longitude since J2000.0
};

// tTT: Julian centuries of TT since J2000.0.
LunarMeanElements meanElements(double tTT);

// Sums of the longitude-and-distance series: longitude perturbation in arcseconds (to be
// added to L) and the dimensionless distance perturbation in arcseconds of arc
// (r = (1 + distance pi/648000) mean distance).
struct LongitudeDistanceSums {
    double longitudeArcsec = 0.0;
    double distanceArcsec = 0.0;
};

// jdTT: Julian day of TT.
LongitudeDistanceSums seriesLongitudeDistance(double jdTT, const LunarSeriesTable& table);

// Latitude in arcseconds; jdTT: Julian day of TT.
double seriesLatitude(double jdTT, const LunarSeriesTable& table);

// Geocentric ecliptic longitude in [0, 2 pi) and latitude (radians) referred to the mean
// equinox and ecliptic of date (nutation not included; about 0.7" of light time taken off
// the longitude), and distance of the centres in KILOMETRES.
//   tTT   Julian centuries of TT since J2000.0
// Re-entrant: every working array lives in the call.
EclipticPosition lunarPosition(double tTT);

}  // namespace kelmo
