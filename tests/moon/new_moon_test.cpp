// Tests of the new-moon instants: Meeus's estimate, the refinement and the next new moon.
#include "moon/new_moon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/erfa_moon_reference.h"
#include "moon/lunation_memo.h"

#include "support/places.h"

namespace kelmo {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kSecond = 1.0 / 86400.0;

using test::place;

const Location kMecca = test::mecca();

// Reference: J. Meeus, Astronomical Algorithms, 2nd ed., example 49.a: the new moon of
// 1977 February has k = -283 and JDE = 2443192.65118 (1977 February 18, 3h37m42s TD); the
// text adds that the correct instant is 3h37m40s TD.
TEST(ApproximateNewMoon, MeeusExample49a) {
    const double feb1977 = julianDay(CalendarDate{.year = 1977, .month = 2, .day = 1.0});
    EXPECT_NEAR(approximateNewMoon(feb1977), 2443192.65118, 1.0 * kSecond);
    // Any day of the lunation before it gives the same new moon.
    EXPECT_NEAR(approximateNewMoon(2443192.65118 - 20.0), 2443192.65118, 1.0 * kSecond);
    EXPECT_NEAR(approximateNewMoon(2443192.65118 - 2.0), 2443192.65118, 1.0 * kSecond);
}

TEST(RefineNewMoon, MeeusExample49aWithinOneMinute) {
    const double refined = refineNewMoon(kMecca, 2443192.65118, false);
    const double published = 2443192.5 + (3.0 + 37.0 / 60.0 + 40.0 / 3600.0) / 24.0;
    EXPECT_NEAR(refined, published, kMinute);
    EXPECT_NEAR(refined, published, 5.0 * kSecond);  // measured: 0.5 s
}

// Reference: new moons found on ERFA positions (eraMoon98, eraEpv00) for lunations spread over
// 1950..2050: the refined geocentric instant agrees within one minute, and the Meeus estimate
// is a good start (within ten minutes).
TEST(RefineNewMoon, AgreesWithErfaOverACentury) {
    const double start = julianDay(CalendarDate{.year = 1950, .month = 1, .day = 1.0});
    double worst = 0.0;
    for (int lunation = 0; lunation < 1240; lunation += 31) {
        const double estimate = approximateNewMoon(start + lunation * kSynodicMonthDays);
        const double refined = refineNewMoon(kMecca, estimate, false);
        const double reference = testing::erfaNewMoon(estimate);
        EXPECT_NEAR(refined, reference, kMinute) << estimate;
        EXPECT_NEAR(estimate, reference, 10.0 * kMinute) << estimate;
        worst = std::max(worst, std::abs(refined - reference));
    }
    EXPECT_LT(worst, 0.5 * kMinute);
}

// Seen from the place, the parallax shifts the Moon by up to about a degree, i.e. up to two
// hours of its motion; with the Moon near the zenith the shift vanishes.
TEST(RefineNewMoon, TopocentricShift) {
    const double geocentric = refineNewMoon(kMecca, 2443192.65118, false);
    // At about 3h36m UT the Sun (declination -11.7 deg, equation of time -14 min) stands in
    // the zenith near 129.5 E; that new moon was the annular eclipse of 1977-02-18, so the Moon
    // stood there too.
    const Location underTheSun = place(-11.7, 129.5, 9.0);
    const double overhead = refineNewMoon(underTheSun, geocentric, true);
    EXPECT_NEAR(overhead, geocentric, 2.0 * kMinute);
    // At Mecca it is early morning: the Moon low in the east, a large shift.
    const double mecca = refineNewMoon(kMecca, geocentric, true);
    EXPECT_GT(std::abs(mecca - geocentric), 20.0 * kMinute);
    EXPECT_LT(std::abs(mecca - geocentric), 150.0 * kMinute);
}

// A start far from any new moon still converges (the iteration is bounded).
TEST(RefineNewMoon, StartHalfAMonthAwayStillStops) {
    const double refined = refineNewMoon(kMecca, 2443192.65118 + 14.0, false);
    EXPECT_TRUE(std::isfinite(refined));
}

TEST(NextNewMoon, LocalTimesOfTheNextNewMoon) {
    const Location greenwich = place(51.48, 0.0, 0.0);
    const NewMoonPair p =
        nextNewMoon(CalendarDate{.year = 1977, .month = 2, .day = 1.0}, greenwich);
    EXPECT_NEAR(p.geocentric, 2443192.65116, kMinute);
    const NewMoonPair m = nextNewMoon(CalendarDate{.year = 1977, .month = 2, .day = 1.0}, kMecca);
    EXPECT_NEAR(m.geocentric, 2443192.65116 + 3.0 / 24.0, kMinute);
    EXPECT_NEAR(m.topocentric, refineNewMoon(kMecca, 2443192.65116, true) + 3.0 / 24.0, kSecond);
}

// The new moon of 1977-02-18 3h38m TD: on its own day it counts where it falls after local
// midnight, i.e. in zones east of about -3h; at -5h it fell on the evening of the 17th.
TEST(NextNewMoon, TheDayOfANewMoon) {
    const CalendarDate feb18{.year = 1977, .month = 2, .day = 18.0};
    const CalendarDate feb17{.year = 1977, .month = 2, .day = 17.0};
    const Location greenwich = place(51.48, 0.0, 0.0);
    const Location newYork = place(40.7, -74.0, -5.0);
    EXPECT_NEAR(nextNewMoon(feb18, greenwich).geocentric, 2443192.65116, kMinute);
    EXPECT_NEAR(nextNewMoon(feb17, newYork).geocentric, 2443192.65116 - 5.0 / 24.0, kMinute);
    // On the 18th in New York that new moon is past: the next one, a lunation later.
    const double next = nextNewMoon(feb18, newYork).geocentric;
    EXPECT_GT(next, 2443192.65116 + 29.0);
    EXPECT_LT(next, 2443192.65116 + 30.0);
}

// A time of day in the date does not move the search start: it counts from local midnight.
TEST(NextNewMoon, TimeOfDayIgnored) {
    const Location greenwich = place(51.48, 0.0, 0.0);
    const NewMoonPair a =
        nextNewMoon(CalendarDate{.year = 1977, .month = 2, .day = 18.0}, greenwich);
    const NewMoonPair b =
        nextNewMoon(CalendarDate{.year = 1977, .month = 2, .day = 18.9}, greenwich);
    EXPECT_EQ(a.geocentric, b.geocentric);
}

// nextNewMoon is the refinement of newMoonEstimate on the zone's clock, and the estimate does
// not lie after the refined new moon by more than Meeus's error of the mean phase (under a day);
// with a memo it is the same bit for bit, every day of a year.
TEST(NextNewMoon, RefinesTheEstimateAndTheMemoChangesNothing) {
    LunationMemo memo;
    const double first = julianDay(CalendarDate{.year = 2026, .month = 1, .day = 1.0});
    for (int i = 0; i < 365; ++i) {
        CalendarDate date;
        dateFromJulianDay(first + i, date);
        const double estimate = newMoonEstimate(date, kMecca);
        const NewMoonPair refined = refineNewMoonPair(kMecca, estimate);
        const NewMoonPair next = nextNewMoon(date, kMecca);
        ASSERT_EQ(next.geocentric, refined.geocentric + 3.0 / 24.0) << i;
        ASSERT_EQ(next.topocentric, refined.topocentric + 3.0 / 24.0) << i;
        ASSERT_NEAR(estimate, refined.geocentric, 0.01) << i;
        const NewMoonPair kept = nextNewMoon(date, kMecca, memo);
        ASSERT_EQ(std::memcmp(&kept, &next, sizeof kept), 0) << i;
    }
    EXPECT_LE(memo.size(), 14u);  // one refined pair per lunation
}

}  // namespace
}  // namespace kelmo
