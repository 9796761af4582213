// Magnetic declination from the World Magnetic Model of the date (degree and order 12, see
// magnetic_model.h) with its linear secular variation.
// Source: J. M. Quinn et al., The Joint US/UK 2000 Epoch World Magnetic Model and Charts,
// NIMA / British Geological Survey (2000); A. Chulliat et al., The US/UK World Magnetic Model
// for 2020-2025, NOAA NCEI (2020); the spherical-harmonic synthesis of the models' reference
// program.
#pragma once

#include "calendar/calendar_date.h"

namespace kelmo {

// The field at the point, in nT: the spherical components (Br up, Btheta south along the
// geocentric meridian, Bphi east) and the geodetic ones (X north, Y east, Z down).
struct MagneticField {
    double br = 0.0;
    double btheta = 0.0;
    double bphi = 0.0;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

//   phi          geodetic latitude, radians
//   lambda       east longitude, radians
//   altitudeKm   height above the WGS84 ellipsoid, km
//   date         civil date; its day with the fraction as stored (no limit: dates outside the
//                model's five years are extrapolated linearly)
//   field        when not null, receives the field components
//   returns      the declination, radians, east of north positive (0 when the horizontal
//                field vanishes)
// Re-entrant: the working tables live on the caller's stack.
double MagneticDeclination(double phi, double lambda, double altitudeKm, const CalendarDate& date,
                           MagneticField* field = nullptr);

}  // namespace kelmo
