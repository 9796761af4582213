#include "astronomy/delta_t.h"

#include <gtest/gtest.h>

#include "astronomy/delta_t_table.h"

namespace kelmo {
namespace {

double centuries(double year) {
    return (year - 2000.0) / 100.0;
}

// Table rows at the start of a year (p = 0) are returned as they are: the almanacs' yearly
// Delta-T to 1999, the IERS observations from 2000 (2014: 67.28 s observed, where the older
// table predicted 73.00 s).
TEST(DeltaT, TableRowsAtStartOfYear) {
    EXPECT_NEAR(deltaT(centuries(2000.0)), 63.83, 1e-9);
    EXPECT_NEAR(deltaT(centuries(2014.0)), 67.28, 1e-9);
    EXPECT_NEAR(deltaT(centuries(2022.0)), 69.29, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1990.0)), 56.86, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1955.0)), 31.07, 1e-9);  // no tidal correction from 1955
}

// Before 1955 the tidal correction -0.0000182 (Y - 1955)^2 is added.
TEST(DeltaT, TidalCorrectionBefore1955) {
    EXPECT_NEAR(deltaT(centuries(1900.0)), -2.72 - 0.0000182 * 55.0 * 55.0, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1620.0)), 124.0 - 0.0000182 * 335.0 * 335.0, 1e-9);
    EXPECT_NEAR(deltaT(centuries(1950.0)), 29.15 - 0.0000182 * 25.0, 1e-9);
}

double parabolaSince1902(double year) {
    const double b = year - 1902.0;
    return 0.319 * b + 0.00362 * b * b;
}

double ratePerYear(double year) {
    const double h = 1e-3;
    return (deltaT(centuries(year + h)) - deltaT(centuries(year - h))) / (2.0 * h);
}

// After the table (2027.0, 68.80 s, falling 0.10 s a year) its last rate is carried on and the
// parabola in years since 1902 (27.64 s higher at 2027, climbing 1.22 s a year) taken over by
// the smooth step 3u^2 - 2u^3 over a century: neither the value nor the rate jumps at either
// end, and the years just after the table follow the observed trend (the IERS predicts about
// 69.5 s at the end of 2030) instead of climbing 1.5 s a year.
TEST(DeltaT, ObservedTrendPassesIntoTheParabolaAfter2027) {
    EXPECT_NEAR(deltaT(centuries(2027.0 + 1e-9)), 68.80, 1e-6);
    EXPECT_NEAR(ratePerYear(2027.0 + 2e-3), -0.10, 0.01);
    EXPECT_NEAR(ratePerYear(2027.0 - 2e-3), -0.10, 0.01);
    EXPECT_NEAR(deltaT(centuries(2031.0)), 69.5, 1.5);
    const double trend = 68.80 - 0.10 * 50.0;  // 2077: half-way, the step's weight is 1/2
    EXPECT_NEAR(deltaT(centuries(2077.0)), trend + 0.5 * (parabolaSince1902(2077.0) - trend), 1e-9);
    EXPECT_NEAR(deltaT(centuries(2127.0)), parabolaSince1902(2127.0), 1e-9);
    EXPECT_NEAR(ratePerYear(2127.0 - 2e-3), ratePerYear(2127.0 + 2e-3), 0.01);
    EXPECT_NEAR(deltaT(centuries(2200.0)), parabolaSince1902(2200.0), 1e-9);
    for (double year = 2027.5; year < 2127.0; year += 1.0) {
        EXPECT_GT(ratePerYear(year), -0.11) << year;  // never falls faster than the table's end
    }
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
    // Near the end of the table the lower-order steps are used: 2026 68.90 s, 2027 68.80 s.
    EXPECT_NEAR(deltaT(centuries(2026.5)), 68.85, 1e-9);
}

// The generated table holds the almanacs' yearly values to 1999 (telling rows of the published
// table) and the IERS observations from 2000 to 2022 with their extrapolation to 2027, in
// hundredths of a second.
TEST(DeltaTTable, TellingRows) {
    const int rows[][2] = {{1620, 12400}, {1650, 4800}, {1700, 900},  {1750, 1300}, {1800, 1370},
                           {1850, 710},   {1900, -272}, {1950, 2915}, {1990, 5686}, {1999, 6347},
                           {2000, 6383},  {2001, 6409}, {2002, 6430}, {2005, 6469}, {2008, 6546},
                           {2010, 6607},  {2014, 6728}, {2016, 6810}, {2020, 6936}, {2021, 6936},
                           {2022, 6929},  {2025, 6900}, {2027, 6880}};
    for (const auto& row : rows) {
        EXPECT_EQ(kDeltaTTable[row[0] - kDeltaTFirstYear], row[1]) << row[0];
    }
}

}  // namespace
}  // namespace kelmo
