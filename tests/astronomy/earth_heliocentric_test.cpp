#include "astronomy/earth_heliocentric.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/vsop87_earth_table.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {
namespace {

// The generated table holds the abridged selection: the term counts of each series and the
// first and last terms kept (largest first) as VSOP87D lists them.
TEST(Vsop87EarthTable, SelectionOfTerms) {
    const int expected[3][6] = {{64, 34, 20, 7, 3, 1}, {5, 2, 0, 0, 0, 0}, {40, 10, 6, 2, 1, 0}};
    int total = 0;
    for (int c = 0; c < 3; ++c) {
        for (int p = 0; p < 6; ++p) {
            EXPECT_EQ(kVsop87EarthCounts[c][p], expected[c][p]) << c << " " << p;
            total += kVsop87EarthCounts[c][p];
        }
    }
    EXPECT_EQ(total, kVsop87EarthTermCount);

    EXPECT_EQ(kVsop87EarthTerms[0].a, 1.75347045673);      // L0
    EXPECT_EQ(kVsop87EarthTerms[64].a, 6283.31966747491);  // L1
    const VsopTerm& b0 = kVsop87EarthTerms[129];           // B0 after L0..L5 (129 terms)
    EXPECT_EQ(b0.a, 2.7962e-06);
    EXPECT_EQ(b0.c, 84334.66158130829);
    const VsopTerm& r0 = kVsop87EarthTerms[136];  // R0 after B0, B1
    EXPECT_EQ(r0.a, 1.00013988799);
    const VsopTerm& r4 = kVsop87EarthTerms[194];
    EXPECT_EQ(r4.a, 3.858e-08);
    EXPECT_EQ(r4.b, 2.56384387339);
    // Within each series the smallest amplitude kept is the last of the abridged list.
    double smallestL0 = 1.0;
    for (int k = 0; k < 64; ++k) smallestL0 = std::min(smallestL0, kVsop87EarthTerms[k].a);
    EXPECT_EQ(smallestL0, 2.5352e-07);
}

// Meeus, Astronomical Algorithms, example 25.b (1992 October 13.0 TD, his abridged table):
// L = 19.907372 deg, B = -0.000179 deg, R = 0.99760775 AU.
TEST(EarthHeliocentric, MeeusExample25b) {
    const EclipticPosition e = earthHeliocentric(centuriesSinceJ2000(2448908.5));
    EXPECT_NEAR(e.longitude * kRadToDeg, 19.907372, 2e-6);
    EXPECT_NEAR(e.latitude * kRadToDeg, -0.000179, 2e-6);
    EXPECT_NEAR(e.distance, 0.99760775, 2e-8);
}

// ERFA's eraEpv00 heliocentric distance of the Earth: the 56 terms kept of R agree within
// 4e-6 AU from 1900 to 2100; L is reduced into [0, 2 pi).
TEST(EarthHeliocentric, DistanceAgreesWithEraEpv00) {
    for (double jd = 2415020.5; jd <= 2488070.5; jd += 41.0) {
        const EclipticPosition e = earthHeliocentric(centuriesSinceJ2000(jd));
        double pvh[2][3];
        double pvb[2][3];
        eraEpv00(jd, 0.0, pvh, pvb);
        ASSERT_NEAR(e.distance, eraPm(pvh[0]), 4e-6) << "JD " << jd;
        ASSERT_GE(e.longitude, 0.0);
        ASSERT_LT(e.longitude, kTwoPi);
        ASSERT_LT(std::abs(e.latitude), 2.0 * kArcsecToRad);
    }
}

}  // namespace
}  // namespace kelmo
