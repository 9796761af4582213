// The Timer's search for the next prayer: the slots each school of law prays, the order
// through a day, an Isha after midnight, and the time left across a change of the clock. The
// expected instants are dayPrayers' own (the search must return them unchanged); the clock
// readings of New York and London are those of Python's zoneinfo.
#include <gtest/gtest.h>

#include "calendar/place_zone.h"
#include "prayer/day_prayers.h"
#include "prayer/next_prayer.h"
#include "support/civil_date.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::civil;

Instant utc(int year, int month, int day, int hour, int minute) {
    return instantOf(UtcTime{year, month, day, hour, minute, 0.0});
}

Zone zoneOf(const Location& place) {
    return *zoneOfPlace(place).zone;
}

TEST(NextPrayer, SchoolsPrayTheirSlots) {
    // Rows: fiqh 0..4; columns: slots 0..8 (1 = a prayer).
    const int table[5][9] = {{0, 1, 0, 0, 1, 0, 0, 1, 0},
                             {0, 1, 0, 0, 1, 1, 0, 1, 1},
                             {0, 1, 0, 0, 1, 0, 1, 1, 1},
                             {0, 1, 0, 0, 1, 1, 0, 1, 1},
                             {0, 1, 0, 0, 1, 1, 0, 1, 1}};
    for (int fiqh = 0; fiqh < 5; ++fiqh) {
        for (int slot = 0; slot < 9; ++slot) {
            EXPECT_EQ(isPrayerSlot(slot, fiqh), table[fiqh][slot] == 1) << fiqh << " " << slot;
        }
    }
    EXPECT_FALSE(isPrayerSlot(-1, 1));
    EXPECT_FALSE(isPrayerSlot(9, 1));
    EXPECT_STREQ(slotPrayerName(6), "Asr");
    EXPECT_STREQ(slotPrayerName(3), "");
    EXPECT_EQ(prayerAlertBit(4), 64);
}

TEST(NextPrayer, WalksThroughTheDayInOrder) {
    const Location place = test::manama();
    const Zone zone = zoneOf(place);
    Config config;
    for (const int fiqh : {0, 1, 2}) {
        config.fiqh = fiqh;
        const CalendarDate day = civil(2024, 3, 11);
        const DayPrayers prayers = dayPrayers(day, place, zone, config);
        std::vector<int> seen;
        Instant after = zone.startOfDay(day);
        // Asked just after each found prayer, as the Timer does after each alert.
        for (std::optional<NextPrayer> next;
             (next = nextPrayerAfter(config, place, zone, after));) {
            if (next->date.day != day.day) break;
            EXPECT_EQ(next->at, *prayers.slots[static_cast<std::size_t>(next->slot)].instant());
            seen.push_back(next->slot);
            after = next->at;
        }
        const std::vector<int> expected = fiqh == 0   ? std::vector<int>{1, 4, 7}
                                          : fiqh == 2 ? std::vector<int>{1, 4, 6, 7, 8}
                                                      : std::vector<int>{1, 4, 5, 7, 8};
        EXPECT_EQ(seen, expected) << fiqh;
    }
}

// London, Shafi'i, rule 5: the Isha of 20 June 2026 comes at 00:10:20 BST on the 21st. At
// 00:05 BST it is still ahead: the search looks at yesterday's schedule too.
TEST(NextPrayer, AnIshaAfterMidnightIsStillAhead) {
    const Location place = test::builtInPlace("London,Uk");
    const Zone zone = zoneOf(place);
    Config config;
    config.fiqh = 1;
    const std::optional<NextPrayer> next =
        nextPrayerAfter(config, place, zone, utc(2026, 6, 20, 23, 5));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->slot, 8);
    EXPECT_EQ(next->date.day, 21.0);
    EXPECT_NEAR(next->timeOfDay / kSecondToRad, 10 * 60 + 20, 30.0);
}

// New York, 2024-03-10 04:30 UTC (23:30 EST on the 9th): Fajr at 06:09 EDT is 5 h 39 min away,
// not 6 h 39 min; the clock moves on at 07:00 UTC in between.
TEST(NextPrayer, TimeLeftCountsInstantsAcrossAClockChange) {
    Location place = test::place(40.7128, -74.006, -5.0);
    place.zone = "America/New_York";
    const Zone zone = zoneOf(place);
    Config config;
    config.fiqh = 1;
    const Instant now = utc(2024, 3, 10, 4, 30);
    const std::optional<NextPrayer> next = nextPrayerAfter(config, place, zone, now);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->slot, 1);
    const long double left = (next->at - now).count();
    EXPECT_NEAR(static_cast<double>(left), (5 * 60 + 39) * 60.0, 60.0);
    EXPECT_NEAR(next->timeOfDay / kSecondToRad, (6 * 60 + 9) * 60.0, 60.0);
}

}  // namespace
}  // namespace kelmo
