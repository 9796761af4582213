#include "astronomy/refraction.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/angles.h"

namespace kelmo {
namespace {

constexpr double kArcmin = kDegToRad / 60.0;

Location atHeight(int height) {
    Location l;
    l.height = height;
    return l;
}

Config conditions(int pressure, int temperature) {
    Config c;
    c.pressure = pressure;
    c.temperature = temperature;
    return c;
}

double toApparent(double trueDeg, const Location& l, const Config& c) {
    return refract(trueDeg * kDegToRad, l, c, RefractionDirection::TrueToApparent) * kRadToDeg;
}

double toTrue(double apparentDeg, const Location& l, const Config& c) {
    return refract(apparentDeg * kDegToRad, l, c, RefractionDirection::ApparentToTrue) * kRadToDeg;
}

// Standard conditions (1010 mbar, 10 C): Bennett's refraction at the apparent horizon is
// 34.5'; at 45 deg it is 0.99' by the tangent series; Saemundsson's at true 0 deg is 28.9'
// (Meeus, Astronomical Algorithms, ch. 16).
TEST(Refract, PublishedValuesAtStandardConditions) {
    const Location sea = atHeight(0);
    const Config standard = conditions(1010, 10);
    EXPECT_NEAR((0.0 - toTrue(0.0, sea, standard)) * 60.0, 34.5, 0.1);
    EXPECT_NEAR((45.0 - toTrue(45.0, sea, standard)) * 60.0, 0.97, 0.03);
    EXPECT_NEAR((toApparent(0.0, sea, standard) - 0.0) * 60.0, 28.9, 0.2);
    EXPECT_NEAR(toApparent(90.0, sea, standard), 90.0, 1e-9);
}

// The two directions (Saemundsson's and Bennett's formulas with his correction term) are each
// other's inverse to within 0.15' from the horizon up.
TEST(Refract, DirectionsAreInverse) {
    const Location sea = atHeight(0);
    const Config standard = conditions(1010, 10);
    for (double h = 0.0; h <= 89.0; h += 0.5) {
        EXPECT_NEAR(toTrue(toApparent(h, sea, standard), sea, standard), h, 0.15 / 60.0) << h;
    }
}

// True to apparent: no refraction at or below -5 deg.
TEST(Refract, NoneBelowMinusFiveForTrueToApparent) {
    const Location sea = atHeight(0);
    const Config standard = conditions(1010, 10);
    EXPECT_DOUBLE_EQ(toApparent(-5.0, sea, standard), -5.0);
    EXPECT_DOUBLE_EQ(toApparent(-30.0, sea, standard), -30.0);
    EXPECT_GT(toApparent(-4.9, sea, standard), -4.9);
}

// Apparent to true: where the cotangent's argument d + 7.31 / (d + 4.4) reaches 90 deg
// (d just above -4.4), the refraction is 0 instead of the cotangent of a right angle.
TEST(Refract, RightAngleGuardForApparentToTrue) {
    const Location sea = atHeight(0);
    const Config standard = conditions(1010, 10);
    EXPECT_DOUBLE_EQ(toTrue(-4.33, sea, standard), -4.33);  // argument 100.1 deg
    EXPECT_NE(toTrue(-4.3, sea, standard), -4.3);           // argument 56.6 deg
}

// Pressure 0: 1010 mbar at height 0, the standard atmosphere's 898.7 mbar at 1000 m; the
// refraction scales with P / 1010 and 283 / (273 + t).
TEST(Refract, PressureAndTemperatureScaling) {
    const Config standard = conditions(1010, 10);
    const double r0 = 0.0 - toTrue(0.0, atHeight(0), standard);
    EXPECT_DOUBLE_EQ(0.0 - toTrue(0.0, atHeight(0), conditions(0, 10)), r0);
    const double r1000 = 0.0 - toTrue(0.0, atHeight(1000), conditions(0, 10));
    EXPECT_NEAR(r1000 / r0, 898.7 / 1010.0, 0.0002);
    // A configured pressure wins over the height.
    EXPECT_DOUBLE_EQ(0.0 - toTrue(0.0, atHeight(1000), standard), r0);
    // Colder air refracts more.
    const double cold = 0.0 - toTrue(0.0, atHeight(0), conditions(1010, -20));
    EXPECT_NEAR(cold / r0, 283.0 / 253.0, 1e-12);
    // Below sea level the derived pressure is above the standard value.
    EXPECT_GT(0.0 - toTrue(0.0, atHeight(-400), conditions(0, 10)), r0 * 1013.25 / 1010.0);
}

// Dip of the horizon: 0.0347 deg sqrt(h); none at or below sea level (the record allows heights
// down to -999 m, where the square root would have no meaning).
TEST(HorizonDip, SquareRootOfHeightAndNoneBelowSeaLevel) {
    EXPECT_NEAR(horizonDip(100.0), 0.347 * kDegToRad, 1e-15);
    EXPECT_NEAR(horizonDip(1000.0), 0.0347 * std::sqrt(1000.0) * kDegToRad, 1e-15);
    EXPECT_EQ(horizonDip(0.0), 0.0);
    EXPECT_EQ(horizonDip(-1.0), 0.0);
    EXPECT_EQ(horizonDip(-999.0), 0.0);
    EXPECT_NEAR(horizonDip(1.0), 2.082 * kArcmin, 0.001 * kArcmin);
}

// The horizon of a body's centre: the refraction taken at the horizon itself (Bennett's 34.45'
// at 1010 mbar and 10 C, scaled by (P / 1010) (283 / (273 + T)), Meeus ch. 16) whatever the
// body's parallax and semidiameter (the Moon's 57' and 15.5'), and the dip below it.
TEST(HorizonAltitude, RefractionAtTheHorizonScaledByTheAir) {
    const double p = 57.0 * kArcmin, s = 15.5 * kArcmin;
    EXPECT_NEAR(horizonAltitude(p, s, atHeight(0), conditions(1010, 10)), p - s - 34.45 * kArcmin,
                0.01 * kArcmin);
    const double cold = 34.45 * (1030.0 / 1010.0) * (283.0 / 263.0) * kArcmin;
    EXPECT_NEAR(horizonAltitude(p, s, atHeight(400), conditions(1030, -10)),
                p - s - cold - horizonDip(400.0), 0.01 * kArcmin);
}

}  // namespace
}  // namespace kelmo
