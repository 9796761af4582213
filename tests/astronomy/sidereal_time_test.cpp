#include "astronomy/sidereal_time.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {
namespace {

constexpr double kMilliSecondOfTime = 0.001 * kSecondToRad;

TEST(MeanSiderealTime, ValueAtJ2000) {
    EXPECT_NEAR(meanSiderealTime(0.0), 280.46061837 * kDegToRad, 1e-15);
}

// ERFA's eraGmst82 is the same IAU 1982 expression: agreement within 0.1 ms of time over
// 1900 .. 2100 (the last digits of the rate in degrees per century), and always in [0, 2 pi).
TEST(MeanSiderealTime, AgreesWithEraGmst82) {
    for (double jd = 2415020.5; jd <= 2488070.5; jd += 29.3) {
        const double ours = meanSiderealTime(centuriesSinceJ2000(jd));
        ASSERT_GE(ours, 0.0);
        ASSERT_LT(ours, kTwoPi);
        const double ref = eraGmst82(jd, 0.0);
        ASSERT_NEAR(reduceAngleSigned(ours - ref), 0.0, 0.1 * kMilliSecondOfTime) << "JD " << jd;
    }
}

// Meeus, Astronomical Algorithms, examples 12.a and 12.b: 1987 April 10, 0h UT:
// 13h 10m 46.3668s; at 19h 21m 00s UT: 128.7378734 degrees.
TEST(MeanSiderealTime, MeeusExamples12) {
    EXPECT_NEAR(meanSiderealTime(centuriesSinceJ2000(2446895.5)),
                (13.0 + 10.0 / 60.0 + 46.3668 / 3600.0) * kHoursToRad, 0.0001 * kSecondToRad);
    const double jd = 2446895.5 + (19.0 + 21.0 / 60.0) / 24.0;
    EXPECT_NEAR(meanSiderealTime(centuriesSinceJ2000(jd)), 128.7378734 * kDegToRad,
                0.001 * kArcsecToRad);
}

// Apparent sidereal time: mean + dpsi cos(eps). ERFA's eraGmst82 + eraEqeq94 adds two small
// complementary terms (at most 0.0027") that this model leaves out.
TEST(ApparentSiderealTime, AgreesWithEraEquationOfEquinoxes) {
    for (double jd = 2415020.5; jd <= 2488070.5; jd += 101.7) {
        const double t = centuriesSinceJ2000(jd);
        const Nutation n = nutation(t);
        const double eps = meanObliquity(t) + n.deps;
        const double ours = apparentSiderealTime(meanSiderealTime(t), n.dpsi, eps);
        const double ref = eraGmst82(jd, 0.0) + eraEqeq94(jd, 0.0);
        ASSERT_NEAR(reduceAngleSigned(ours - ref), 0.0, 0.005 * kArcsecToRad) << "JD " << jd;
    }
    // Meeus, example 12.a: apparent 13h 10m 46.1351s with dpsi -3.788", eps 23 deg 26' 36.85".
    const double eps = (23.0 + 26.0 / 60.0 + 36.85 / 3600.0) * kDegToRad;
    EXPECT_NEAR(apparentSiderealTime(meanSiderealTime(centuriesSinceJ2000(2446895.5)),
                                     -3.788 * kArcsecToRad, eps),
                (13.0 + 10.0 / 60.0 + 46.1351 / 3600.0) * kHoursToRad, 0.0002 * kSecondToRad);
}

}  // namespace
}  // namespace kelmo
