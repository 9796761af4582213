#include "astronomy/magnetic_declination.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "astronomy/magnetic_model.h"
#include "base/angles.h"

namespace kelmo {

namespace {

constexpr int kN = kWmmMaxDegree;
constexpr int kSize = kWmmSize;
using Table = std::array<std::array<double, kSize>, kSize>;

// WGS84 ellipsoid, km.
constexpr double kA = 6378.137;
constexpr double kFlattening = 0.0033528131778969143;
constexpr double kB = kA * (1.0 - kFlattening);
constexpr double kA2 = kA * kA;
constexpr double kB2 = kB * kB;
constexpr double kA4 = kA2 * kA2;
constexpr double kB4 = kB2 * kB2;

// Stands in for sin(theta) where it is exactly 0 (at the poles) in the division of Bphi.
constexpr double kPoleGuard = 1e-8;

// Constants of the Legendre recursions, computed once per process (a thread-safe static).
struct Recursion {
    std::array<double, kSize> diagonal{};  // sqrt((2n - 1) / (2n)), n >= 2
    Table previous{};                      // [n][m] sqrt((n - 1)^2 - m^2), n >= max(m + 1, 2)
    Table inverse{};                       // [n][m] 1 / sqrt(n^2 - m^2)
};

const Recursion& recursion() {
    static const Recursion constants = [] {
        Recursion r;
        for (int n = 2; n <= kN; ++n) r.diagonal[n] = std::sqrt((2.0 * n - 1.0) / (2.0 * n));
        for (int m = 0; m <= kN; ++m) {
            for (int n = std::max(m + 1, 2); n <= kN; ++n) {
                r.previous[n][m] = std::sqrt(double((n - 1) * (n - 1) - m * m));
                r.inverse[n][m] = 1.0 / std::sqrt(double(n * n - m * m));
            }
        }
        return r;
    }();
    return constants;
}

struct GeocentricPoint {
    double ct = 0.0;  // cos and sin of the geocentric colatitude
    double st = 0.0;
    double theta = 0.0;
    double radiusKm = 0.0;
};

GeocentricPoint geocentric(double phi, double altitudeKm) {
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    const double q = std::sqrt(kA2 * c * c + kB2 * s * s);
    const double q1 = altitudeKm * q;
    GeocentricPoint p;
    p.theta = std::atan2(c * (q1 + kA2), s * (q1 + kB2));
    p.radiusKm = std::sqrt(altitudeKm * altitudeKm + 2.0 * altitudeKm * q +
                           (kA4 - s * s * (kA4 - kB4)) / (kA2 - s * s * (kA2 - kB2)));
    p.ct = std::cos(p.theta);
    p.st = std::sin(p.theta);
    return p;
}

// Schmidt semi-normalised associated Legendre functions P(n, m) of cos theta and their
// derivatives dP(n, m) with respect to theta.
void legendre(double ct, double st, Table& p, Table& dp) {
    const Recursion& r = recursion();
    p[0][0] = 1.0;
    dp[0][0] = 0.0;
    p[1][1] = st;
    dp[1][1] = ct;
    p[1][0] = ct;
    dp[1][0] = -st;
    for (int n = 2; n <= kN; ++n) {
        p[n][n] = r.diagonal[n] * st * p[n - 1][n - 1];
        dp[n][n] = r.diagonal[n] * (st * dp[n - 1][n - 1] + ct * p[n - 1][n - 1]);
    }
    for (int m = 0; m <= kN; ++m) {
        for (int n = std::max(m + 1, 2); n <= kN; ++n) {
            const double k = 2.0 * n - 1.0;
            p[n][m] = (k * ct * p[n - 1][m] - r.previous[n][m] * p[n - 2][m]) * r.inverse[n][m];
            dp[n][m] =
                (k * (ct * dp[n - 1][m] - st * p[n - 1][m]) - r.previous[n][m] * dp[n - 2][m]) *
                r.inverse[n][m];
        }
    }
}

}  // namespace

double MagneticDeclination(double phi, double lambda, double altitudeKm, const CalendarDate& date,
                           MagneticField* field) {
    const GeocentricPoint point = geocentric(phi, altitudeKm);
    const double inverseSt = 1.0 / (point.st == 0.0 ? point.st + kPoleGuard : point.st);

    Table p{};  // cleared for each evaluation
    Table dp{};
    legendre(point.ct, point.st, p, dp);

    const MagneticModelOfDate ofDate = magneticModelOfDate(date);
    const WmmCoefficients& c = ofDate.model->coefficients;
    const double years = ofDate.years;
    std::array<double, kSize> sinM{};
    std::array<double, kSize> cosM{};
    for (int m = 0; m <= kN; ++m) {
        sinM[m] = std::sin(m * lambda);
        cosM[m] = std::cos(m * lambda);
    }

    const double ar = kWmmReferenceRadiusKm / point.radiusKm;
    double br = 0.0;
    double btheta = 0.0;
    double bphi = 0.0;
    double factor = ar * ar;
    for (int n = 1; n <= kN; ++n) {
        factor *= ar;  // ar^(n + 2)
        for (int m = 0; m <= n; ++m) {
            const double g = c.g[n][m] + years * c.gDot[n][m];
            const double h = c.h[n][m] + years * c.hDot[n][m];
            const double along = g * cosM[m] + h * sinM[m];
            br += factor * (n + 1) * along * p[n][m];
            btheta -= factor * along * dp[n][m];
            bphi += factor * m * (g * sinM[m] - h * cosM[m]) * p[n][m] * inverseSt;
        }
    }

    // Rotate from the geocentric to the geodetic frame.
    const double psi = point.theta + phi - kPi / 2.0;
    const double x = -btheta * std::cos(psi) - br * std::sin(psi);
    const double y = bphi;
    const double z = btheta * std::sin(psi) - br * std::cos(psi);
    if (field != nullptr) *field = {br, btheta, bphi, x, y, z};
    return (x == 0.0 && y == 0.0) ? 0.0 : std::atan2(y, x);
}

}  // namespace kelmo
