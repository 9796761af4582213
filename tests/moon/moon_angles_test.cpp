// Tests of the Moon's semidiameter, bright-limb angle and parallactic angle.
#include "moon/moon_angles.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/lunar_position.h"
#include "base/angles.h"

namespace kelmo {
namespace {

// Reference: J. Meeus, Astronomical Algorithms, 2nd ed., ch. 55: the Moon's geocentric
// semidiameter is 358473400 / distance(km) arcseconds (k = 0.272481).
TEST(MoonSemidiameter, MeeusDistanceFormula) {
    for (const double km : {356400.0, 368409.7, 384400.0, 406700.0}) {
        const double s = moonSemidiameter(kEarthEquatorialRadiusKm / km);
        EXPECT_NEAR(s / kArcsecToRad, 358473400.0 / km, 0.05) << km;
    }
}

TEST(MoonSemidiameter, ArgumentClamped) {
    EXPECT_DOUBLE_EQ(moonSemidiameter(10.0), kPi / 2.0);
    EXPECT_DOUBLE_EQ(moonSemidiameter(-10.0), -kPi / 2.0);
    EXPECT_EQ(moonSemidiameter(0.0), 0.0);
}

// Reference: J. Meeus, Astronomical Algorithms, 2nd ed., example 48.a (1992 April 12, 0h TD):
// Sun alpha0 = 20.6579 deg, delta0 = +8.6964 deg; Moon alpha = 134.6885 deg,
// delta = +13.7684 deg; chi = 285.0 deg.
TEST(BrightLimbAngle, MeeusExample48a) {
    const double chi = brightLimbAngle(8.6964 * kDegToRad, 20.6579 * kDegToRad, 13.7684 * kDegToRad,
                                       134.6885 * kDegToRad);
    EXPECT_NEAR(chi * kRadToDeg, 285.0, 0.05);
}

// The limb faces the Sun: with the Sun due east of the Moon on the equator the angle is 90
// deg (east), due west 270 deg, due north 0 and due south 180.
TEST(BrightLimbAngle, PointsTowardTheSun) {
    const double d = 5.0 * kDegToRad;
    EXPECT_NEAR(brightLimbAngle(0.0, 1.0 + d, 0.0, 1.0), kPi / 2.0, 1e-12);
    EXPECT_NEAR(brightLimbAngle(0.0, 1.0 - d, 0.0, 1.0), 1.5 * kPi, 1e-12);
    EXPECT_NEAR(brightLimbAngle(d, 1.0, 0.0, 1.0), 0.0, 1e-12);
    EXPECT_NEAR(brightLimbAngle(-d, 1.0, 0.0, 1.0), kPi, 1e-12);
}

// The result lies in [0, 2 pi) everywhere, including where atan2 returns -0 or a tiny
// negative angle that a plain + 2 pi would round to 2 pi.
TEST(BrightLimbAngle, AlwaysInZeroToTwoPi) {
    const double tiny[] = {0.0, -0.0, 1e-17, -1e-17, 1e-300, -1e-300};
    for (double sunDec = -0.5; sunDec <= 0.5; sunDec += 0.25) {
        for (double dra : tiny) {
            const double chi = brightLimbAngle(sunDec, 2.0 + dra, 0.1, 2.0);
            EXPECT_GE(chi, 0.0);
            EXPECT_LT(chi, kTwoPi);
        }
    }
    for (int i = 0; i < 2000; ++i) {
        const double chi =
            brightLimbAngle(std::sin(i * 0.7) * 0.5, i * 0.37, std::cos(i * 1.3) * 0.5, i * 0.11);
        ASSERT_GE(chi, 0.0);
        ASSERT_LT(chi, kTwoPi);
    }
}

// Reference: ERFA eraHd2pa (parallactic angle from hour angle, declination and latitude).
TEST(ParallacticAngle, AgreesWithErfa) {
    for (double phi = -1.2; phi <= 1.2; phi += 0.4) {
        for (double dec = -0.45; dec <= 0.45; dec += 0.15) {
            for (double ha = -3.0; ha <= 3.0; ha += 0.5) {
                const double lst = 1.234;
                const double q = parallacticAngle(lst - ha, dec, phi, lst);
                EXPECT_NEAR(reduceAngleSigned(q - eraHd2pa(ha, dec, phi)), 0.0, 1e-12)
                    << phi << " " << dec << " " << ha;
            }
        }
    }
}

TEST(ParallacticAngle, OnTheMeridian) {
    const double phi = 21.4 * kDegToRad;
    EXPECT_NEAR(parallacticAngle(1.0, -0.3, phi, 1.0), 0.0, 1e-12);           // south of the zenith
    EXPECT_NEAR(std::abs(parallacticAngle(1.0, 0.5, phi, 1.0)), kPi, 1e-12);  // north of it
}

}  // namespace
}  // namespace kelmo
