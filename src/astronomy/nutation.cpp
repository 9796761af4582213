#include "astronomy/nutation.h"

#include <cmath>

#include "astronomy/nutation_table.h"
#include "base/angles.h"

// IAU 1980 theory of nutation with its 106 terms; sines and cosines of the arguments' multiples
// and of their sums by the angle-addition formulas, as in S. L. Moshier's ephemeris programs.
// Source: Seidelmann (ed.), Explanatory Supplement to the Astronomical Almanac (1992), 3.222.
namespace kelmo {

namespace {

constexpr double kArcsecPerTurn = 1296000.0;
constexpr double kTermUnit = 0.0001 * kArcsecToRad;  // coefficients are in 0.0001"
constexpr int kArguments = 5;
constexpr int kMaxMultiple = 4;

// A fundamental argument: c0 + c1 T reduced to one turn, then c2 T^2 + c3 T^3 added (arcsec).
double fundamentalArgument(double t, double c0, double c1, double c2, double c3) {
    double x = c0 + c1 * t;
    x -= kArcsecPerTurn * std::floor(x / kArcsecPerTurn);
    return (x + (c2 + c3 * t) * t * t) * kArcsecToRad;
}

struct Multiples {
    double sin[kArguments][kMaxMultiple];  // sin(k x) at index k - 1
    double cos[kArguments][kMaxMultiple];
};

void buildMultiples(const double (&argument)[kArguments], Multiples& m) {
    for (int a = 0; a < kArguments; ++a) {
        const double s1 = std::sin(argument[a]);
        const double c1 = std::cos(argument[a]);
        double s = s1;
        double c = c1;
        m.sin[a][0] = s;
        m.cos[a][0] = c;
        for (int k = 1; k < kNutationMaxMultiple[a]; ++k) {
            const double next = s1 * c + c1 * s;  // sin((k + 1) x)
            c = c1 * c - s1 * s;                  // cos((k + 1) x)
            s = next;
            m.sin[a][k] = s;
            m.cos[a][k] = c;
        }
    }
}

}  // namespace

Nutation nutation(double tTT) {
    const double t = tTT;
    const double argument[kArguments] = {
        fundamentalArgument(t, 485866.733, 1717915922.633, 31.31, 0.064),    // l
        fundamentalArgument(t, 1287099.804, 129596581.224, -0.577, -0.012),  // l'
        fundamentalArgument(t, 335778.877, 1739527263.137, -13.257, 0.011),  // F
        fundamentalArgument(t, 1072261.307, 1602961601.328, -6.891, 0.019),  // D
        fundamentalArgument(t, 450160.28, -6962890.539, 7.455, 0.008),       // Omega
    };
    Multiples m;
    buildMultiples(argument, m);

    // The leading term, in Omega alone.
    double psi = (-171996.0 - 174.2 * t) * m.sin[4][0];
    double eps = (92025.0 + 8.9 * t) * m.cos[4][0];

    for (const NutationTerm& term : kNutationTerms) {
        double sinW = 0.0;
        double cosW = 1.0;
        bool first = true;
        for (int a = 0; a < kArguments; ++a) {
            const int n = term.multiplier[a];
            if (n == 0) continue;
            const double c = m.cos[a][std::abs(n) - 1];
            const double s = n < 0 ? -m.sin[a][-n - 1] : m.sin[a][n - 1];
            if (first) {
                sinW = s;
                cosW = c;
                first = false;
            } else {
                const double next = s * cosW + c * sinW;
                cosW = c * cosW - s * sinW;
                sinW = next;
            }
        }
        psi += (term.psi + term.psiRate * t / 10.0) * sinW;
        eps += (term.eps + term.epsRate * t / 10.0) * cosW;
    }
    return Nutation{psi * kTermUnit, eps * kTermUnit};
}

}  // namespace kelmo
