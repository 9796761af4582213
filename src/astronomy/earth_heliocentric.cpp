#include "astronomy/earth_heliocentric.h"

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/vsop87_earth_table.h"

// VSOP87D: each coordinate is sum over j = 0..5 of tau^j * sum of A cos(B + C tau), tau in
// Julian millennia of TT since J2000.0.
// Source: P. Bretagnon, G. Francou, VSOP87 (1988); J. Meeus, Astronomical Algorithms, ch. 32.
namespace kelmo {

namespace {

// Evaluates coordinate `coordinate` (0 L, 1 B, 2 R) starting at term `first`; returns the index
// of the first term of the next coordinate through `first`.
double evaluateCoordinate(int coordinate, double tau, int& first) {
    double sum = 0.0;
    double tauPower = 1.0;
    for (int power = 0; power < kVsop87Powers; ++power) {
        double series = 0.0;
        const int end = first + kVsop87EarthCounts[coordinate][power];
        for (int k = first; k < end; ++k) {
            const VsopTerm& term = kVsop87EarthTerms[k];
            series += term.a * std::cos(term.b + term.c * tau);
        }
        first = end;
        sum += series * tauPower;
        tauPower *= tau;
    }
    return sum;
}

}  // namespace

EclipticPosition earthHeliocentric(double tTT) {
    const double tau = tTT / 10.0;
    int first = 0;
    EclipticPosition earth;
    earth.longitude = reduceAngle(evaluateCoordinate(0, tau, first));
    earth.latitude = evaluateCoordinate(1, tau, first);
    earth.distance = evaluateCoordinate(2, tau, first);
    return earth;
}

}  // namespace kelmo
