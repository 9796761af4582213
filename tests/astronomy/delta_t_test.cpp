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
    // Near the end of the table the lower-order steps are used.
    EXPECT_NEAR(deltaT(centuries(2013.5)), 72.5, 0.01);
}

// The generated table holds the almanacs' yearly values: the rows 1620 .. 2014 quoted as
// telling rows of the published table, in hundredths of a second.
TEST(DeltaTTable, TellingRows) {
    const int rows[][2] = {{1620, 12400}, {1650, 4800}, {1700, 900},  {1750, 1300}, {1800, 1370},
                           {1850, 710},   {1900, -272}, {1950, 2915}, {1990, 5686}, {2000, 6383},
                           {2001, 6409},  {2002, 6426}, {2003, 6520}, {2004, 6580}, {2005, 6600},
                           {2006, 6700},  {2007, 6800}, {2008, 6800}, {2009, 6900}, {2010, 7000},
                           {2011, 7000},  {2012, 7100}, {2013, 7200}, {2014, 7300}};
    for (const auto& row : rows) {
        EXPECT_EQ(kDeltaTTable[row[0] - kDeltaTFirstYear], row[1]) << row[0];
    }
}

}  // namespace
}  // namespace kelmo
