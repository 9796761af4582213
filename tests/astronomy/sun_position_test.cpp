#include "astronomy/sun_position.h"

#include <gtest/gtest.h>

#include "astronomy/angle_reduction.h"
#include "astronomy/coordinates.h"
#include "astronomy/delta_t.h"
#include "astronomy/nutation.h"
#include "astronomy/obliquity.h"
#include "base/angles.h"
#include "calendar/julian_day.h"
#include "support/erfa_sun.h"

namespace kelmo {
namespace {

constexpr double kArcsec = kArcsecToRad;

double hms(double h, double m, double s) {
    return (h + m / 60.0 + s / 3600.0) * kHoursToRad;
}
double dms(double d, double m, double s) {
    return (d + m / 60.0 + s / 3600.0) * kDegToRad;
}

EquatorialPosition apparentEquatorial(double tTT) {
    const Nutation n = nutation(tTT);
    const EclipticPosition sun = sunApparent(tTT, n.dpsi);
    return eclipticToEquatorial(sun.longitude, sun.latitude, meanObliquity(tTT) + n.deps);
}

// Meeus, Astronomical Algorithms, example 25.b: 1992 October 13.0 TD with the full VSOP87:
// lambda 199 deg 54' 21.818", beta +0.72", R 0.99760853 (geometric 0.99760775),
// alpha 13h 13m 30.749s, delta -7 deg 47' 01.74". The 195 terms kept here agree to about 1".
TEST(SunPosition, MeeusExample25b) {
    const double t = centuriesSinceJ2000(2448908.5);
    const EclipticPosition geometric = sunGeometric(t);
    EXPECT_NEAR(geometric.distance, 0.99760775, 2e-7);
    EXPECT_NEAR(geometric.latitude, 0.72 * kArcsec, 0.1 * kArcsec);

    const EclipticPosition apparent = sunApparent(t, nutation(t).dpsi);
    EXPECT_NEAR(apparent.longitude, dms(199, 54, 21.818), 1.0 * kArcsec);
    EXPECT_DOUBLE_EQ(apparent.latitude, geometric.latitude);
    EXPECT_DOUBLE_EQ(apparent.distance, geometric.distance);

    const EquatorialPosition eq = apparentEquatorial(t);
    EXPECT_NEAR(eq.rightAscension, hms(13, 13, 30.749), 1.0 * kArcsec);
    EXPECT_NEAR(eq.declination, -dms(7, 47, 1.74), 1.0 * kArcsec);
}

// ERFA reference (see erfa_sun.h: eraEpv00, light time, eraAb, eraPnm80) every 37 days from
// 1900 to 2100: the truncated series, the FK5 correction and the constant of aberration stay
// within 2" of it, both in right ascension (on the sky) and in declination.
TEST(SunPosition, ApparentPlaceAgreesWithErfa1900To2100) {
    const double first = 2415020.5;  // 1900 January 0.5
    const double last = 2488070.5;   // 2100 January 1
    double worst = 0.0;
    int count = 0;
    for (double jd = first; jd <= last; jd += 37.0, ++count) {
        const EquatorialPosition ours = apparentEquatorial(centuriesSinceJ2000(jd));
        const test::ErfaSun ref = test::erfaSun(jd);
        const double dRa =
            reduceAngleSigned(ours.rightAscension - ref.rightAscension) * std::cos(ref.declination);
        const double dDec = ours.declination - ref.declination;
        ASSERT_LT(std::abs(dRa), 2.0 * kArcsec) << "JD " << jd;
        ASSERT_LT(std::abs(dDec), 2.0 * kArcsec) << "JD " << jd;
        worst = std::max(worst, std::hypot(dRa, dDec));
    }
    EXPECT_GT(count, 1900);
    RecordProperty("worst_arcsec", std::to_string(worst / kArcsec));
}

// Around the March equinox the apparent longitude wraps from just below 2 pi to just above 0,
// and the right ascension never becomes negative.
TEST(SunPosition, LongitudeAndRightAscensionWrapAtEquinox) {
    const double equinox2024 = 2460389.6;  // 2024 March 20, about 03h TT
    bool sawHigh = false;
    bool sawLow = false;
    for (double jd = equinox2024 - 0.5; jd <= equinox2024 + 0.5; jd += 0.01) {
        const double t = centuriesSinceJ2000(jd);
        const EclipticPosition sun = sunApparent(t, nutation(t).dpsi);
        ASSERT_GE(sun.longitude, 0.0);
        ASSERT_LT(sun.longitude, kTwoPi);
        const EquatorialPosition eq = apparentEquatorial(t);
        ASSERT_GE(eq.rightAscension, 0.0);
        ASSERT_LT(eq.rightAscension, kTwoPi);
        sawHigh = sawHigh || sun.longitude > kPi;
        sawLow = sawLow || sun.longitude < kPi;
    }
    EXPECT_TRUE(sawHigh && sawLow);
}

TEST(SunPosition, SemidiameterAndParallax) {
    EXPECT_DOUBLE_EQ(sunSemidiameter(1.0), 959.63);
    EXPECT_NEAR(sunSemidiameter(0.983), 976.2, 0.1);  // perihelion: about 16.27'
    EXPECT_NEAR(sunSinParallax(1.0), std::sin(8.794 * kArcsec), 1e-18);
    EXPECT_NEAR(sunSinParallax(2.0), std::sin(8.794 * kArcsec) / 2.0, 1e-18);
}

}  // namespace
}  // namespace kelmo
