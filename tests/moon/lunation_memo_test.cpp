// Tests of the lunation memo: the new moons and the Moon-at-sunset results it keeps are those
// computed without it, bit for bit, for runs of days, changing places and changing settings.
// The reference is the same function called without a memo.
#include "moon/lunation_memo.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "moon/moon_data_at_sunset.h"
#include "moon/new_moon.h"

#include "support/frame_times.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::place;

const Location kMecca = test::mecca();
const Location kLondon = place(51.5, -0.12, 0.0, 20);

CalendarDate dateOf(double jd) {
    CalendarDate d;
    dateFromJulianDay(jd, d);
    return d;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool sameBits(const EventTriple& a, const EventTriple& b) {
    return test::sameBits(a.transit, b.transit) && test::sameBits(a.rise, b.rise) &&
           test::sameBits(a.set, b.set);
}

// MoonSunsetData holds doubles but for the two triples, whose times have padding: the doubles'
// bytes are their values, the triples are compared time by time.
bool sameBits(const MoonSunsetData& a, const MoonSunsetData& b) {
    constexpr std::size_t before = offsetof(MoonSunsetData, sun);
    constexpr std::size_t after = offsetof(MoonSunsetData, sunset);
    static_assert(after == before + 2 * sizeof(EventTriple));
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    return std::memcmp(x, y, before) == 0 && sameBits(a.sun, b.sun) && sameBits(a.moon, b.moon) &&
           std::memcmp(x + after, y + after, sizeof a - after) == 0;
}

// A poisoned record: a call that fails must leave every byte of it as it was.
MoonSunsetData poisoned() {
    MoonSunsetData d;
    d.monthStart = -123.0;
    d.sunset = 7.0;
    return d;
}

TEST(LunationMemo, RefinedNewMoonIsTheRefinementOfTheEstimate) {
    LunationMemo memo;
    const double estimate = newMoonEstimate(dateOf(2461041.5), kMecca);
    const NewMoonPair direct = refineNewMoonPair(kMecca, estimate);
    const NewMoonPair first = memo.refinedNewMoon(estimate, kMecca);
    const NewMoonPair again = memo.refinedNewMoon(estimate, kMecca);
    EXPECT_TRUE(sameBits(first.geocentric, direct.geocentric));
    EXPECT_TRUE(sameBits(first.topocentric, direct.topocentric));
    EXPECT_TRUE(sameBits(again.topocentric, direct.topocentric));
    EXPECT_EQ(memo.size(), 1u);
    // Another place: its own topocentric instant, not the kept one.
    const NewMoonPair london = memo.refinedNewMoon(estimate, kLondon);
    EXPECT_TRUE(sameBits(london.topocentric, refineNewMoonPair(kLondon, estimate).topocentric));
    EXPECT_FALSE(sameBits(london.topocentric, direct.topocentric));
    EXPECT_EQ(memo.size(), 2u);
}

// Every day of a year and a half at two places taken in turn through one memo: the same new
// moons and Moon data as without it, while only about one entry per lunation and place is made.
TEST(LunationMemo, RunOfDaysAtTwoPlacesGivesTheSameResults) {
    const Config config;
    LunationMemo memo;
    const double first = julianDay(CalendarDate{.year = 2025, .month = 12, .day = 1.0});
    for (int i = 0; i < 540; ++i) {
        const CalendarDate date = dateOf(first + i);
        for (const Location& l : {kMecca, kLondon}) {
            const NewMoonPair direct = nextNewMoon(date, l);
            const NewMoonPair kept = nextNewMoon(date, l, memo);
            ASSERT_TRUE(sameBits(kept.geocentric, direct.geocentric)) << i;
            ASSERT_TRUE(sameBits(kept.topocentric, direct.topocentric)) << i;

            MoonSunsetData a = poisoned(), b = poisoned();
            ASSERT_EQ(moonDataAtSunset(date, l, config, b, memo),
                      moonDataAtSunset(date, l, config, a))
                << i;
            ASSERT_TRUE(sameBits(a, b)) << i;
        }
    }
    // 540 days span 19 lunations: one refined pair and one sunset result each, per place.
    EXPECT_LE(memo.size(), 2u * 2u * 20u);
}

// The settings the Moon at sunset depends on are part of the key: a changed visibility limit,
// pressure, temperature or rise-set tolerance gets its own result from the same memo.
TEST(LunationMemo, SettingsOfTheSunsetAreKeptApart) {
    LunationMemo memo;
    Config strict;
    strict.moonVisibilityLimit = 60.0f;
    Config lenient;
    lenient.moonVisibilityLimit = 0.0f;
    Config warm;
    warm.temperature = 40;
    warm.pressure = 900;
    warm.maxAcceptableError = 3;
    const double first = julianDay(CalendarDate{.year = 2026, .month = 1, .day = 1.0});
    int startsDiffer = 0;
    for (int lunation = 0; lunation < 13; ++lunation) {
        const CalendarDate date = dateOf(first + lunation * kSynodicMonthDays);
        for (const Config* c : {&strict, &lenient, &warm, &strict}) {
            MoonSunsetData a = poisoned(), b = poisoned();
            ASSERT_EQ(moonDataAtSunset(date, kMecca, *c, b, memo),
                      moonDataAtSunset(date, kMecca, *c, a));
            ASSERT_TRUE(sameBits(a, b)) << lunation;
        }
        MoonSunsetData s, l;
        moonDataAtSunset(date, kMecca, strict, s, memo);
        moonDataAtSunset(date, kMecca, lenient, l, memo);
        if (s.monthStart != l.monthStart) ++startsDiffer;
    }
    EXPECT_GT(startsDiffer, 0);  // the limits really decide differently, so a mix-up would show
}

// A failure is kept too: in the polar night (80 N in December) no evening qualifies; the memo
// answers 0 again and leaves the record untouched, as the call without it does.
TEST(LunationMemo, FailureIsKeptAndLeavesTheRecordUnchanged) {
    const Config config;
    const Location north = place(80.0, 15.0, 1.0);
    const CalendarDate date{.year = 2026, .month = 12, .day = 1.0};
    LunationMemo memo;
    for (int pass = 0; pass < 2; ++pass) {
        MoonSunsetData a = poisoned(), b = poisoned();
        ASSERT_EQ(moonDataAtSunset(date, north, config, a), 0);
        ASSERT_EQ(moonDataAtSunset(date, north, config, b, memo), 0);
        EXPECT_TRUE(sameBits(a, b));
        EXPECT_TRUE(sameBits(b, poisoned()));
    }
    EXPECT_EQ(memo.size(), 2u);  // one refined pair and one failed sunset, kept once
}

// Latitudes differing only in sign of zero or in the last bit are different places.
TEST(LunationMemo, PlacesAreComparedBitForBit) {
    LunationMemo memo;
    Location a = place(0.0, 10.0, 1.0);
    Location b = a;
    b.latitude = -0.0;
    Location c = kMecca;
    c.latitude = std::nextafter(kMecca.latitude, 1.0);
    const double estimate = newMoonEstimate(CalendarDate{.year = 2026, .month = 3, .day = 1.0}, a);
    memo.refinedNewMoon(estimate, a);
    memo.refinedNewMoon(estimate, b);
    memo.refinedNewMoon(estimate, kMecca);
    const NewMoonPair near = memo.refinedNewMoon(estimate, c);
    EXPECT_EQ(memo.size(), 4u);
    EXPECT_TRUE(sameBits(near.topocentric, refineNewMoonPair(c, estimate).topocentric));
}

}  // namespace
}  // namespace kelmo
