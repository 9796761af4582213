// Tests of the magnetic declination from the World Magnetic Model of the date.
// References: the models' published coefficients (telling rows of the model files); the 200
// test values published with WMM-2020 and WMM-2025 (NOAA NCEI / BGS); field values at 0 N 0 E
// and at Manama quoted from the program's requirements (WMM-2000 synthesis);
// and an independent synthesis in this file: the field as minus the gradient of the model's
// scalar potential, built from the C++ library's std::assoc_legendre and differentiated
// numerically, in place of the model program's Legendre recursions.
#include "astronomy/magnetic_declination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "astronomy/magnetic_model.h"
#include "astronomy/wmm_test_values.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {
namespace {

CalendarDate date(int year, int month, double day) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

constexpr double kManamaLatitude = 0.45790652;
constexpr double kManamaLongitude = 0.88284087;

const WmmCoefficients& kWmm2000 = kWmmModels[0].coefficients;

TEST(Wmm2000Table, TellingRowsOfThePublishedModel) {
    const WmmCoefficients& c = kWmm2000;
    EXPECT_EQ(c.g[1][0], -29616.0);
    EXPECT_EQ(c.gDot[1][0], 14.7);
    EXPECT_EQ(c.g[1][1], -1722.7);
    EXPECT_EQ(c.h[1][1], 5194.5);
    EXPECT_EQ(c.gDot[1][1], 11.1);
    EXPECT_EQ(c.hDot[1][1], -20.4);
    EXPECT_EQ(c.g[2][0], -2266.7);
    EXPECT_EQ(c.gDot[2][0], -13.6);
    EXPECT_EQ(c.g[2][1], 3070.2);
    EXPECT_EQ(c.h[2][1], -2484.8);
    EXPECT_EQ(c.g[2][2], 1677.6);
    EXPECT_EQ(c.h[2][2], -467.9);
    EXPECT_EQ(c.g[3][3], 724.8);
    EXPECT_EQ(c.h[3][3], -486.5);
    // The last row of the file, n = m = 12.
    EXPECT_EQ(c.g[12][12], 0.4);
}

TEST(WmmTables, EmptyWhereTheModelsHaveNoTerm) {
    for (const WmmModel& model : kWmmModels) {
        const WmmCoefficients& c = model.coefficients;
        for (int n = 0; n < kWmmSize; ++n) {
            EXPECT_EQ(c.h[n][0], 0.0) << n;
            EXPECT_EQ(c.hDot[n][0], 0.0) << n;
            for (int m = n + 1; m < kWmmSize; ++m) {
                EXPECT_EQ(c.g[n][m], 0.0) << n << ' ' << m;
                EXPECT_EQ(c.h[n][m], 0.0) << n << ' ' << m;
                EXPECT_EQ(c.gDot[n][m], 0.0) << n << ' ' << m;
                EXPECT_EQ(c.hDot[n][m], 0.0) << n << ' ' << m;
            }
        }
        EXPECT_EQ(c.g[0][0], 0.0);
    }
}

// The first and last rows of each newer model file (NOAA NCEI / BGS).
TEST(WmmTables, TellingRowsOfTheNewerModels) {
    ASSERT_STREQ(kWmmModels[1].name, "WMM-2015v2");
    EXPECT_EQ(kWmmModels[1].epochYear, 2015);
    EXPECT_EQ(kWmmModels[1].coefficients.g[1][0], -29438.2);
    EXPECT_EQ(kWmmModels[1].coefficients.hDot[1][1], -30.2);
    ASSERT_STREQ(kWmmModels[2].name, "WMM-2020");
    EXPECT_EQ(kWmmModels[2].coefficients.g[1][0], -29404.5);
    EXPECT_EQ(kWmmModels[2].coefficients.h[1][1], 4652.9);
    ASSERT_STREQ(kWmmModels[3].name, "WMM-2025");
    EXPECT_EQ(kWmmModels[3].epochYear, 2025);
    EXPECT_EQ(kWmmModels[3].coefficients.g[1][0], -29351.8);
    EXPECT_EQ(kWmmModels[3].coefficients.gDot[1][0], 12.0);
}

// WMM-2000 up to the end of 2014 (extrapolated after 2004), then each model from its epoch,
// extrapolated past its five years.
TEST(MagneticModelOfDate, NewestModelNotAfterTheDate) {
    struct Case {
        CalendarDate when;
        const char* model;
        bool extrapolated;
    };
    for (const Case& c :
         {Case{date(1999, 12, 31), "WMM-2000", true}, Case{date(2004, 12, 31), "WMM-2000", false},
          Case{date(2008, 1, 1), "WMM-2000", true}, Case{date(2014, 12, 31.9), "WMM-2000", true},
          Case{date(2015, 1, 1), "WMM-2015v2", false}, Case{date(2024, 12, 31), "WMM-2020", false},
          Case{date(2026, 12, 8), "WMM-2025", false}, Case{date(2030, 1, 1.5), "WMM-2025", true}}) {
        const MagneticModelOfDate m = magneticModelOfDate(c.when);
        EXPECT_STREQ(m.model->name, c.model) << c.when.year;
        EXPECT_EQ(m.extrapolated, c.extrapolated) << c.when.year;
    }
    EXPECT_NEAR(magneticModelOfDate(date(2027, 7, 2.5)).years, 2.5, 0.002);
}

// Every published test value of WMM-2020 and WMM-2025: declination and inclination within
// 0.01 degree, the field components within 1 nT. A decimal year is the fraction of its year
// since 1 January, 0h.
TEST(MagneticDeclination, PublishedTestValuesOfWmm2020AndWmm2025) {
    for (const wmm_test::Row& row : wmm_test::kRows) {
        const int year = static_cast<int>(std::floor(row.year));
        const double daysInYear = isLeapYear(year) ? 366 : 365;
        MagneticField f;
        const double d =
            MagneticDeclination(row.latDeg * kDegToRad, row.lonDeg * kDegToRad, row.heightKm,
                                date(year, 1, 1.0 + (row.year - year) * daysInYear), &f);
        const double h = std::hypot(f.x, f.y);
        const std::string where = std::to_string(row.year) + " " + std::to_string(row.latDeg) +
                                  " " + std::to_string(row.lonDeg);
        EXPECT_NEAR(d * kRadToDeg, row.declDeg, 0.01) << where;
        EXPECT_NEAR(std::atan2(f.z, h) * kRadToDeg, row.inclDeg, 0.01) << where;
        EXPECT_NEAR(f.x, row.x, 1.0) << where;
        EXPECT_NEAR(f.y, row.y, 1.0) << where;
        EXPECT_NEAR(f.z, row.z, 1.0) << where;
        EXPECT_NEAR(h, row.h, 1.0) << where;
        EXPECT_NEAR(std::hypot(h, f.z), row.f, 1.0) << where;
    }
}

TEST(MagneticDeclination, AtTheEpochOnTheEquatorAtGreenwich) {
    MagneticField field;
    const double d = MagneticDeclination(0.0, 0.0, 0.0, date(2000, 1, 1), &field);
    EXPECT_NEAR(d * kRadToDeg, -7.27, 0.005);
    EXPECT_NEAR(field.x, 27338.0, 1.0);
    EXPECT_NEAR(field.y, -3486.0, 1.0);
    EXPECT_NEAR(field.z, -14970.0, 1.0);
}

TEST(MagneticDeclination, SecularVariationToLaterDates) {
    EXPECT_NEAR(MagneticDeclination(0.0, 0.0, 0.0, date(2005, 1, 1)) * kRadToDeg, -6.57, 0.005);
    EXPECT_NEAR(
        MagneticDeclination(kManamaLatitude, kManamaLongitude, 0.0, date(2005, 1, 1)) * kRadToDeg,
        2.15, 0.005);
    // 2008 lies beyond the model's five years: extrapolated linearly, still a sane angle.
    const double d2008 = MagneticDeclination(0.0, 0.0, 0.0, date(2008, 1, 1));
    const double d2005 = MagneticDeclination(0.0, 0.0, 0.0, date(2005, 1, 1));
    EXPECT_GT(d2008, d2005);
    EXPECT_LT(std::abs(d2008 - d2005), 2.0 * kDegToRad);
}

TEST(MagneticDeclination, FiniteAtBothPoles) {
    for (double phi : {kPi / 2.0, -kPi / 2.0}) {
        for (double lambda : {0.0, 1.0, -2.5}) {
            MagneticField field;
            const double d = MagneticDeclination(phi, lambda, 0.0, date(2005, 1, 1), &field);
            EXPECT_TRUE(std::isfinite(d)) << phi << ' ' << lambda;
            EXPECT_LE(std::abs(d), kPi);
            EXPECT_TRUE(std::isfinite(field.x) && std::isfinite(field.y) && std::isfinite(field.z));
            // The vertical field near the poles is some 50 000 nT, downward in the north.
            EXPECT_GT(std::abs(field.z), 45000.0);
            EXPECT_EQ(field.z > 0.0, phi > 0.0);
        }
    }
}

TEST(MagneticDeclination, FieldComponentsAreConsistent) {
    MagneticField field;
    const double d = MagneticDeclination(0.7, -1.3, 2.0, date(2003, 6, 15.5), &field);
    EXPECT_DOUBLE_EQ(d, std::atan2(field.y, field.x));
    EXPECT_EQ(field.y, field.bphi);
    // The rotation to the geodetic frame keeps the field's length.
    EXPECT_NEAR(std::hypot(field.x, field.z), std::hypot(field.br, field.btheta), 1e-6);
}

// Independent synthesis: B = -grad V with
// V = a sum_n (a/r)^(n+1) sum_m (G cos m lambda + H sin m lambda) P~(n,m)(cos theta),
// P~ the Schmidt semi-normalised functions from std::assoc_legendre.
double schmidt(int n, int m, double x) {
    double p = std::assoc_legendre(n, m, x);
    if (m > 0) p *= std::sqrt(2.0 * std::tgamma(n - m + 1.0) / std::tgamma(n + m + 1.0));
    return p;
}

double potential(double r, double theta, double lambda, double years) {
    const double a = kWmmReferenceRadiusKm;
    double v = 0.0;
    for (int n = 1; n <= kWmmMaxDegree; ++n) {
        for (int m = 0; m <= n; ++m) {
            const double g = kWmm2000.g[n][m] + years * kWmm2000.gDot[n][m];
            const double h = kWmm2000.h[n][m] + years * kWmm2000.hDot[n][m];
            v += std::pow(a / r, n + 1) * (g * std::cos(m * lambda) + h * std::sin(m * lambda)) *
                 schmidt(n, m, std::cos(theta));
        }
    }
    return a * v;
}

struct Spherical {
    double br, btheta, bphi;
};

Spherical gradientField(double r, double theta, double lambda, double years) {
    const double dr = 1e-3;  // km
    const double da = 1e-6;  // radians
    Spherical b;
    b.br = -(potential(r + dr, theta, lambda, years) - potential(r - dr, theta, lambda, years)) /
           (2.0 * dr);
    b.btheta =
        -(potential(r, theta + da, lambda, years) - potential(r, theta - da, lambda, years)) /
        (2.0 * da * r);
    b.bphi = -(potential(r, theta, lambda + da, years) - potential(r, theta, lambda - da, years)) /
             (2.0 * da * r * std::sin(theta));
    return b;
}

TEST(MagneticDeclination, AgreesWithThePotentialsGradient) {
    // Points 10 km above the WGS84 ellipsoid on both sides of the equator, at the epoch and at
    // dates before and after it (the secular variation), within 0.05 nT.
    const double a = 6378.137;
    const double b = a * (1.0 - 0.0033528131778969143);
    struct Case {
        double phi;
        double lambda;
        CalendarDate when;
        double years;
    };
    for (const Case& c :
         {Case{0.0, 0.0, date(2000, 1, 1), 0.0}, Case{0.9, 0.4, date(2000, 1, 1), 0.0},
          Case{-0.6, -2.0, date(2004, 1, 1.5), (1461.0 + 0.5) / 365.25},
          Case{1.5, 3.0, date(1995, 1, 1), -1826.0 / 365.25}}) {
        const double altitude = 10.0;
        // Geocentric radius and colatitude of the point along the ellipsoid's normal.
        const double psi = std::atan(b * b / (a * a) * std::tan(c.phi));
        const double rSurface = a * b /
                                std::sqrt(b * b * std::cos(psi) * std::cos(psi) +
                                          a * a * std::sin(psi) * std::sin(psi));
        const double x = rSurface * std::cos(psi) + altitude * std::cos(c.phi);
        const double z = rSurface * std::sin(psi) + altitude * std::sin(c.phi);
        MagneticField field;
        MagneticDeclination(c.phi, c.lambda, altitude, c.when, &field);
        const Spherical ref = gradientField(std::hypot(x, z), std::atan2(x, z), c.lambda, c.years);
        EXPECT_NEAR(field.br, ref.br, 0.05) << c.phi;
        EXPECT_NEAR(field.btheta, ref.btheta, 0.05) << c.phi;
        EXPECT_NEAR(field.bphi, ref.bphi, 0.05) << c.phi;
    }
}

}  // namespace
}  // namespace kelmo
