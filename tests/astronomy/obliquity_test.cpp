#include "astronomy/obliquity.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {
namespace {

constexpr double kArcsec = kArcsecToRad;

// At J2000.0 the polynomial starts at 84381.406" (23 deg 26' 21.406").
TEST(MeanObliquity, ValueAtJ2000) {
    EXPECT_DOUBLE_EQ(meanObliquity(0.0), 84381.406173 * kArcsec);
}

// ERFA's eraObl80 (IAU 1980: 84381.448 - 46.8150 T - 0.00059 T^2 + 0.001813 T^3) differs by
// the two constants (0.042") and rates (0.019" per century): over 1900 .. 2100 the difference
// is 0.042 + 0.019 T within 0.001".
TEST(MeanObliquity, DiffersFromEraObl80ByTheTwoFormulas) {
    for (double jd = 2415020.5; jd <= 2488070.5; jd += 365.0) {
        const double t = centuriesSinceJ2000(jd);
        const double difference = (eraObl80(jd, 0.0) - meanObliquity(t)) / kArcsec;
        ASSERT_NEAR(difference, 0.041827 + 0.018955 * t, 0.001) << "JD " << jd;
    }
}

// ERFA's eraObl06 (IAU 2006, also 84381.406" at J2000) agrees within 0.004" over 1900 .. 2100.
TEST(MeanObliquity, AgreesWithEraObl06) {
    for (double t = -1.0; t <= 1.0; t += 0.05) {
        EXPECT_NEAR(meanObliquity(t), eraObl06(kJ2000, t * kDaysPerCentury), 0.004 * kArcsec) << t;
    }
}

// Meeus, Astronomical Algorithms, example 22.a (1987 April 10, 0h TD) gives 23 deg 26' 27.407"
// with the IAU 1980 formula; this polynomial is 0.042 + 0.019 T arcseconds lower.
TEST(MeanObliquity, MeeusExample22a) {
    const double t = centuriesSinceJ2000(2446895.5);
    const double meeus = (23.0 * 3600.0 + 26.0 * 60.0 + 27.407) * kArcsec;
    EXPECT_NEAR(meanObliquity(t), meeus - (0.041827 + 0.018955 * t) * kArcsec, 0.001 * kArcsec);
}

}  // namespace
}  // namespace kelmo
