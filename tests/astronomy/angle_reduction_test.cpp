#include "astronomy/angle_reduction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astronomy/lunar_position.h"

namespace kelmo {
namespace {

TEST(AngleReduction, RangesHoldAtTheirEdgesAndFarOut) {
    for (const double x : {-1e-17, -kTwoPi, 0.0, kTwoPi, 7.0, -7.0, 1e15, -1e300, 1e300}) {
        const double a = reduceAngle(x);
        EXPECT_GE(a, 0.0) << x;
        EXPECT_LT(a, kTwoPi) << x;
        const double s = reduceAngleSigned(x);
        EXPECT_GE(s, -kPi) << x;
        EXPECT_LT(s, kPi) << x;
        const double h = reduceHalfTurn(x);
        EXPECT_GE(h, -kPi / 2) << x;
        EXPECT_LT(h, kPi / 2) << x;
    }
    EXPECT_NEAR(reduceAngle(-0.5), kTwoPi - 0.5, 1e-15);
    EXPECT_NEAR(reduceAngleSigned(4.0), 4.0 - kTwoPi, 1e-15);
    EXPECT_NEAR(reduceHalfTurn(2.0), 2.0 - kPi, 1e-15);
    EXPECT_TRUE(std::isnan(reduceAngle(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(reduceAngle(std::numeric_limits<double>::quiet_NaN())));
}

// Thirty million years from J2000 the theory means nothing, but its longitude must still come
// back reduced instead of being stepped up by whole turns.
TEST(AngleReduction, LunarLongitudeFarFromJ2000) {
    for (const double centuries : {-300000.0, 300000.0}) {
        const double longitude = lunarPosition(centuries).longitude;
        EXPECT_GE(longitude, 0.0) << centuries;
        EXPECT_LT(longitude, kTwoPi) << centuries;
    }
}

}  // namespace
}  // namespace kelmo
