#include "astronomy/nutation.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {
namespace {

constexpr double kMilliArcsec = 0.001 * kArcsecToRad;

// ERFA's eraNut80 evaluates the same IAU 1980 theory (106 terms): the two agree to 0.001"
// at every 10th day from 1800 to 2200.
TEST(Nutation, AgreesWithEraNut80) {
    double worstPsi = 0.0;
    double worstEps = 0.0;
    for (double jd = 2378496.5; jd <= 2524594.5; jd += 10.0) {
        const Nutation ours = nutation(centuriesSinceJ2000(jd));
        double dpsi = 0.0;
        double deps = 0.0;
        eraNut80(jd, 0.0, &dpsi, &deps);
        ASSERT_NEAR(ours.dpsi, dpsi, kMilliArcsec) << "JD " << jd;
        ASSERT_NEAR(ours.deps, deps, kMilliArcsec) << "JD " << jd;
        worstPsi = std::max(worstPsi, std::abs(ours.dpsi - dpsi));
        worstEps = std::max(worstEps, std::abs(ours.deps - deps));
    }
    RecordProperty("worst_dpsi_uas", std::to_string(worstPsi / kArcsecToRad * 1e6));
    RecordProperty("worst_deps_uas", std::to_string(worstEps / kArcsecToRad * 1e6));
}

// Meeus, Astronomical Algorithms, example 22.a: 1987 April 10, 0h TD: dpsi = -3.788",
// deps = +9.443" (his abridged table; the full theory agrees to a few milliarcseconds).
TEST(Nutation, MeeusExample22a) {
    const Nutation n = nutation(centuriesSinceJ2000(2446895.5));
    EXPECT_NEAR(n.dpsi / kArcsecToRad, -3.788, 0.005);
    EXPECT_NEAR(n.deps / kArcsecToRad, 9.443, 0.005);
}

// The amplitude is bounded by the sum of the term magnitudes, about 19" in longitude and
// 10" in obliquity, far from the epoch too (the arguments are reduced to one turn first).
TEST(Nutation, StaysBoundedFarFromEpoch) {
    for (double t : {-20.0, -5.0, 5.0, 20.0}) {
        const Nutation n = nutation(t);
        EXPECT_LT(std::abs(n.dpsi), 19.5 * kArcsecToRad) << t;
        EXPECT_LT(std::abs(n.deps), 10.5 * kArcsecToRad) << t;
        double dpsi = 0.0;
        double deps = 0.0;
        eraNut80(kJ2000, t * kDaysPerCentury, &dpsi, &deps);
        EXPECT_NEAR(n.dpsi, dpsi, 10.0 * kMilliArcsec) << t;
        EXPECT_NEAR(n.deps, deps, 10.0 * kMilliArcsec) << t;
    }
}

}  // namespace
}  // namespace kelmo
