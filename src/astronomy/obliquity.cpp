#include "astronomy/obliquity.h"

#include <iterator>

#include "base/angles.h"

// Mean obliquity of the ecliptic by a polynomial of degree 10 in the form of Laskar's, with the
// J2000.0 value 84381.406" of the current precession theory.
// Source: J. Laskar, Astron. Astrophys. 157, 68 (1986); J. Meeus, Astronomical Algorithms,
// ch. 22.
namespace kelmo {

namespace {

// Coefficients of U^0 .. U^10 in arcseconds, U = T / 10 in Julian millennia.
constexpr double kLaskar[] = {84381.406173, -468.3396,     -0.0175,       1.9989,
                              -0.005138,    -0.0024967,    -0.00003905,   0.000000712,
                              0.0000002787, 0.00000000579, 0.000000000245};

}  // namespace

double meanObliquity(double tTT) {
    const double u = tTT / 10.0;
    double arcsec = 0.0;
    for (int k = static_cast<int>(std::size(kLaskar)) - 1; k >= 0; --k) {
        arcsec = arcsec * u + kLaskar[k];
    }
    return arcsec * kArcsecToRad;
}

}  // namespace kelmo
