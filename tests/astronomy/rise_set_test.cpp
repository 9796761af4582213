#include "astronomy/rise_set.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "base/angles.h"
#include "support/frame_times.h"

namespace kelmo {
namespace {

using test::radians;

constexpr double kDay = kTwoPi;  // one day in day angle

EquatorialPosition eq(double raDeg, double decDeg) {
    return EquatorialPosition{raDeg * kDegToRad, decDeg * kDegToRad};
}

TEST(Interpolate3, ParabolaThroughThreePoints) {
    // y = 1 + 2n + 3n^2 at n = -1, 0, 1 is 2, 1, 6.
    for (double n : {-1.0, -0.3, 0.0, 0.25, 1.0, 1.5}) {
        EXPECT_NEAR(interpolate3(2.0, 1.0, 6.0, n), 1.0 + 2.0 * n + 3.0 * n * n, 1e-12) << n;
    }
    // Meeus, Astronomical Algorithms, example 3.a: the distance of Mars 0.884226, 0.877366,
    // 0.870531 AU on three days gives 0.876125 AU at n = 0.18125.
    EXPECT_NEAR(interpolate3(0.884226, 0.877366, 0.870531, 0.18125), 0.876125, 1e-6);
}

// Meeus, Astronomical Algorithms, example 15.a: Venus at Boston (42.3333 N, 71.0833 W) on 1988
// March 20, Delta-T 56 s, h0 = -0.5667 deg, theta0 = 177.74208 deg. Meeus finds rising
// m = 0.51766 (12h 25m 26s) and transit 0.81980 (19h 40m 30s). His setting 0.12130 is the one
// before the transit (he reduces m into [0, 1)); the set after the transit, kept here, falls on
// the next day: a bisection of the same interpolated altitude equation puts it at m = 1.12263.
TEST(RiseTransitSet, MeeusExample15a) {
    const std::array<EquatorialPosition, 3> venus = {eq(40.68021, 18.04761), eq(41.73129, 18.44092),
                                                     eq(42.78204, 18.82742)};
    const EventTriple e =
        riseTransitSet(42.3333 * kDegToRad, -71.0833 * kDegToRad, 177.74208 * kDegToRad, 56.0,
                       venus, -0.5667 * kDegToRad, 1.0);
    EXPECT_NEAR(radians(e.rise) / kDay, 0.51766, 1e-5);
    EXPECT_NEAR(radians(e.transit) / kDay, 0.81980, 1e-5);
    EXPECT_NEAR(radians(e.set) / kDay, 1.12263, 1e-5);
}

// A body fixed on the celestial equator at a place on the equator: rise, transit and set are
// a quarter of a sidereal day apart, and every altitude between -89 and +89 degrees is reached.
TEST(RiseTransitSet, EquatorReachesEveryAltitude) {
    const std::array<EquatorialPosition, 3> fixed = {eq(100, 0), eq(100, 0), eq(100, 0)};
    for (double h = -89.0; h <= 89.0; h += 1.0) {
        const EventTriple e = riseTransitSet(0.0, 0.0, 0.0, 0.0, fixed, h * kDegToRad, 1.0);
        ASSERT_TRUE(e.transit.isTime() && e.rise.isTime() && e.set.isTime()) << h;
        const double halfArc = (90.0 - h) / 360.985647 * kDay;  // H0 = 90 - h, sidereal rate
        EXPECT_NEAR(radians(e.transit) - radians(e.rise), halfArc, 2.0 * kSecondToRad) << h;
        EXPECT_NEAR(radians(e.set) - radians(e.transit), halfArc, 2.0 * kSecondToRad) << h;
    }
}

// cos H0 beyond -1: rise and set AlwAbove, the transit still computed; beyond +1: AlwBelow in
// all three places, the transit included.
TEST(RiseTransitSet, MarkersForCircumpolarAndNeverRising) {
    const std::array<EquatorialPosition, 3> north = {eq(90, 23.4), eq(91, 23.4), eq(92, 23.4)};
    const double phi = 70.0 * kDegToRad;
    const EventTriple above = riseTransitSet(phi, 0.0, 0.0, 60.0, north, 0.0, 1.0);
    EXPECT_EQ(above.rise, test::kAlwAboveTime);
    EXPECT_EQ(above.set, test::kAlwAboveTime);
    EXPECT_TRUE(above.transit.isTime());

    const std::array<EquatorialPosition, 3> south = {eq(270, -23.4), eq(271, -23.4),
                                                     eq(272, -23.4)};
    const EventTriple below = riseTransitSet(phi, 0.0, 0.0, 60.0, south, 0.0, 1.0);
    EXPECT_EQ(below.transit, test::kAlwBelowTime);
    EXPECT_EQ(below.rise, test::kAlwBelowTime);
    EXPECT_EQ(below.set, test::kAlwBelowTime);
}

// A position that is not a number or infinite, on any of the three days, gives NotValid in
// all three places: nothing can be decided from it, and nothing loops on it.
TEST(RiseTransitSet, NonFinitePositionGivesNotValid) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const EquatorialPosition bad : {EquatorialPosition{0.0, nan}, EquatorialPosition{1.0, inf},
                                         EquatorialPosition{inf, 0.1}}) {
        for (int k = 0; k < 3; ++k) {
            std::array<EquatorialPosition, 3> positions = {eq(10, 5), eq(11, 5), eq(12, 5)};
            positions[k] = bad;
            const EventTriple e = riseTransitSet(0.5, 0.0, 0.0, 0.0, positions, 0.0, 1.0);
            EXPECT_EQ(e.transit, test::kNotValidTime) << k;
            EXPECT_EQ(e.rise, test::kNotValidTime) << k;
            EXPECT_EQ(e.set, test::kNotValidTime) << k;
        }
    }
}

// The first estimate m0 = (alpha - lambda - theta0) / 360 is reduced fully into the day
// whatever its sign and size, and the events come back as they are: before local midnight
// (negative) or after the next one (at or above 2 pi). Right ascension 0 and declination 20 at
// 50 N, target 10 deg: cos H0 = -0.14627, H0 = 98.41 deg on either side of the transit, which
// comes when theta0 + 360.985647 m + lambda reaches a multiple of 360.
TEST(RiseTransitSet, FirstEstimateReducedIntoTheDayAndEventsReturnedAsTheyCome) {
    const struct {
        double lambdaDeg, theta0Deg;
        double transitDeg;  // the transit at transitDeg / 360.985647 days
        const char* what;
    } rows[] = {
        // m0 = (0 + 170 - 200) / 360 = -1/12, one day added: the set after the next midnight.
        {-170.0, 200.0, 330.0, "far west of the zone meridian"},
        // m0 = (0 - 0 - 330) / 360 + 1 = 1/12: transit at about 2 h, the rise before midnight.
        {0.0, 330.0, 30.0, "rise before midnight"},
        // m0 = (0 - 165 - 200) / 360 = -365/360 (a zone of +12 h and more east of the place's
        // meridian), reduced to 355/360: the transit of the day, not of the day before.
        {165.0, 200.0, 355.0, "m0 below -1"},
    };
    const std::array<EquatorialPosition, 3> body = {eq(0, 20), eq(0, 20), eq(0, 20)};
    const double halfArc = 98.41 / 360.985647;
    for (const auto& r : rows) {
        const EventTriple e =
            riseTransitSet(50.0 * kDegToRad, r.lambdaDeg * kDegToRad, r.theta0Deg * kDegToRad, 0.0,
                           body, 10.0 * kDegToRad, 1.0);
        ASSERT_TRUE(e.transit.isTime() && e.rise.isTime() && e.set.isTime()) << r.what;
        const double transit = radians(e.transit) / kDay;
        EXPECT_NEAR(transit, r.transitDeg / 360.985647, 1e-5) << r.what;
        EXPECT_NEAR(transit - radians(e.rise) / kDay, halfArc, 1e-4) << r.what;
        EXPECT_NEAR(radians(e.set) / kDay - transit, halfArc, 1e-4) << r.what;
    }
}

// The tolerance: 1 s converges to about a second; 60 s stops earlier, within about a minute.
TEST(RiseTransitSet, ToleranceControlsConvergence) {
    const std::array<EquatorialPosition, 3> sun = {eq(80.0, 22.9), eq(81.1, 23.05), eq(82.2, 23.2)};
    const double phi = 45.0 * kDegToRad;
    const double h = -18.0 * kDegToRad;  // deep twilight: slow, curved approach
    const EventTriple fine = riseTransitSet(phi, 0.2, 1.0, 60.0, sun, h, 0.001);
    const EventTriple one = riseTransitSet(phi, 0.2, 1.0, 60.0, sun, h, 1.0);
    const EventTriple coarse = riseTransitSet(phi, 0.2, 1.0, 60.0, sun, h, 60.0);
    ASSERT_TRUE(fine.rise.isTime());
    EXPECT_NEAR(radians(one.rise), radians(fine.rise), 1.0 * kSecondToRad);
    EXPECT_NEAR(radians(one.set), radians(fine.set), 1.0 * kSecondToRad);
    EXPECT_NEAR(radians(coarse.rise), radians(fine.rise), 60.0 * kSecondToRad);
    EXPECT_NEAR(radians(coarse.set), radians(fine.set), 60.0 * kSecondToRad);
}

// Meeus's iteration as the book gives it (Astronomical Algorithms, ch. 15, with the altitude
// correction divided by cos h), with no bracket: the transit corrected by -H / 360 deg, a rise
// or set by (h - h0) cos h / (360 deg cos(delta) cos(phi) sin H).
struct MeeusIteration {
    double phi, lambda, theta0, deltaTDays;
    std::array<EquatorialPosition, 3> p;

    double solve(double m, double h, bool transit) const {
        for (int j = 0; j < 1000; ++j) {
            const double n = m + deltaTDays;
            const double alpha =
                interpolate3(p[0].rightAscension, p[1].rightAscension, p[2].rightAscension, n);
            const double delta =
                interpolate3(p[0].declination, p[1].declination, p[2].declination, n);
            const double hourAngle =
                std::remainder(theta0 + 360.985647 * kDegToRad * m + lambda - alpha, kTwoPi);
            const double alt = std::asin(std::sin(phi) * std::sin(delta) +
                                         std::cos(phi) * std::cos(delta) * std::cos(hourAngle));
            const double dm =
                transit ? -hourAngle / kTwoPi
                        : std::cos(alt) * (alt - h) /
                              (kTwoPi * std::cos(delta) * std::cos(phi) * std::sin(hourAngle));
            m += dm;
            if (std::abs(dm) <= 1.0 / 86400.0) return m;
        }
        return std::numeric_limits<double>::quiet_NaN();
    }
};

// On ordinary days (latitudes 50 S to 50 N, the Sun through a year) the bracketed search never
// needs its bracket: the times equal those of Meeus's free iteration to a millisecond.
TEST(RiseTransitSet, OrdinaryDaysGiveMeeussIteration) {
    int compared = 0;
    for (double lat = -50.0; lat <= 50.0; lat += 10.0) {
        for (int day = 0; day < 365; day += 7) {
            const double ra = day * 360.0 / 365.25;
            const double dec = 23.44 * std::sin(kTwoPi * (day - 80) / 365.25);
            const MeeusIteration meeus{
                lat * kDegToRad,
                0.3,
                (100.0 + day * 0.9856) * kDegToRad,
                69.0 / 86400.0,
                {eq(ra - 0.9856, dec - 0.2), eq(ra, dec), eq(ra + 0.9856, dec + 0.2)}};
            double m0 = (meeus.p[1].rightAscension - meeus.lambda - meeus.theta0) / kTwoPi;
            m0 -= std::floor(m0);
            for (double hDeg : {-0.8333, -18.0, 20.0}) {
                const double h = hDeg * kDegToRad;
                const EventTriple e =
                    riseTransitSet(meeus.phi, meeus.lambda, meeus.theta0, 69.0, meeus.p, h, 1.0);
                if (!e.rise.isTime() || !e.set.isTime()) continue;
                const double cosH0 =
                    (std::sin(h) - std::sin(meeus.phi) * std::sin(meeus.p[1].declination)) /
                    (std::cos(meeus.phi) * std::cos(meeus.p[1].declination));
                const double halfArc = std::acos(cosH0) / kTwoPi;
                EXPECT_NEAR(radians(e.transit) / kDay, meeus.solve(m0, h, true), 1e-8);
                EXPECT_NEAR(radians(e.rise) / kDay, meeus.solve(m0 - halfArc, h, false), 1e-8);
                EXPECT_NEAR(radians(e.set) / kDay, meeus.solve(m0 + halfArc, h, false), 1e-8);
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1400);
}

}  // namespace
}  // namespace kelmo
