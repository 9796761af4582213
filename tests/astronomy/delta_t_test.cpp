#include "astronomy/delta_t.h"

#include <gtest/gtest.h>

#include "astronomy/delta_t_table.h"

namespace kelmo {
namespace {

double centuries(double year) {
    return (year - 2000.0) / 100.0;
}

// Table rows at the start of a year (p = 0) are returned as they are: values of the almanacs'
// yearly Delta-T table.
TEST(DeltaT, TableRowsAtStartOfYear) {
    EXPECT_NEAR(deltaT(centuries(2000.0)), 63.83, 1e-9);
    EXPECT_NEAR(deltaT(centuries(2014.0)), 73.00, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1990.0)), 56.86, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1955.0)), 31.07, 1e-9);  // no tidal correction from 1955
}

// Before 1955 the tidal correction -0.0000182 (Y - 1955)^2 is added.
TEST(DeltaT, TidalCorrectionBefore1955) {
    EXPECT_NEAR(deltaT(centuries(1900.0)), -2.72 - 0.0000182 * 55.0 * 55.0, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1620.0)), 124.0 - 0.0000182 * 335.0 * 335.0, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1950.0)), 29.15 - 0.0000182 * 25.0, 1e-9);
}

// After the table: the parabola in years since 1902.
TEST(DeltaT, ParabolaAfter2014) {
    EXPECT_NEAR(deltaT(centuries(2014.5)), 0.319 * 112.5 + 0.00362 * 112.5 * 112.5, 1e-9);
    EXPECT_NEAR(deltaT(centuries(2014.5)), 81.7, 0.05);
    EXPECT_NEAR(deltaT(centuries(2100.0)), 0.319 * 198.0 + 0.00362 * 198.0 * 198.0, 1e-9);
}

TEST(DeltaT, ParabolasBeforeTable) {
    const double u = (500.0 - 2000.0) / 100.0 + 3.75;
    EXPECT_NEAR(deltaT(centuries(500.0)), 35.0 * u * u + 40.0, 1e-9);
    const double w = (1500.0 - 2000.0) / 100.0;
    EXPECT_NEAR(deltaT(centuries(1500.0)), 101.6 + 100.3 * w + 23.58 * w * w, 1e-9);
    // 948 belongs to the second parabola.
    const double v = (948.0 - 2000.0) / 100.0;
    EXPECT_NEAR(deltaT(centuries(948.0)), 101.6 + 100.3 * v + 23.58 * v * v, 1e-9);
}

// Between rows the interpolation stays between neighbours for a monotonic stretch and is
// continuous at the rows themselves (every year of the table).
TEST(DeltaT, InterpolationIsContinuousAtEveryRow) {
    for (int year = kDeltaTFirstYear + 1; year < kDeltaTFirstYear + kDeltaTTableSize; ++year) {
        const double before = deltaT(centuries(year - 1e-9));
        const double at = deltaT(centuries(year));
        EXPECT_NEAR(before, at, 1e-5) << year;
    }
}

TEST(DeltaT, MidYearBetweenNeighbours) {
    // 1990 56.86 s, 1991 57.57 s (almanac table): the middle of 1990 lies between.
    const double mid = deltaT(centuries(1990.5));
    EXPECT_GT(mid, 56.86);
    EXPECT_LT(mid, 57.57);
    // Near the ends of the table the lower-order steps are used and stay finite and close.
    EXPECT_NEAR(deltaT(centuries(2013.5)), 72.5, 0.2);
    EXPECT_NEAR(deltaT(centuries(1620.5)), deltaT(centuries(1620.0)) - 2.5, 0.5);
}

}  // namespace
}  // namespace kelmo
