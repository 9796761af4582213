#include "files/reports/today_schedule.h"

#include <gtest/gtest.h>

#include "base/angles.h"
#include "calendar/local_time.h"
#include "calendar/place_zone.h"
#include "prayer/day_times.h"
#include "support/frame_times.h"
#include "support/places.h"

namespace kelmo {
namespace {

struct Row {
    const char* place;
    int fiqh;
    UtcTime now;
    double zoneHours;  // the place's standard zone time (hours east of Greenwich)
    int localDay;      // the place's civil date then (of the month of now)
    PrayerSlot next;
    bool tomorrow;
};

// The reference of the count-down is the slot's time in zone time from the day's times
// computed afresh, turned into Universal Time by hand with the row's zone hours, less the
// moment now; summer time plays no part in it. Days of one month only.
class TodayScheduleTest : public testing::TestWithParam<Row> {};

TEST_P(TodayScheduleTest, DatesTheDayAndCountsDownToTheNextPrayer) {
    const Row& r = GetParam();
    const Location place = test::builtInPlace(r.place);
    Config config;
    config.fiqh = r.fiqh;
    const Zone zone = *zoneOfPlace(place).zone;
    const Instant now = instantOf(r.now);
    const TodaySchedule today = todaySchedule(place, zone, config, now);
    EXPECT_EQ(today.date.year, r.now.year);
    EXPECT_EQ(today.date.month, r.now.month);
    EXPECT_EQ(today.date.day, r.localDay);
    EXPECT_EQ(today.date.hijriValid, 1);
    ASSERT_EQ(today.nextSlot, static_cast<int>(r.next));
    EXPECT_EQ(today.nextIsTomorrow, r.tomorrow);

    CalendarDate prayerDay;
    prayerDay.year = r.now.year;
    prayerDay.month = r.now.month;
    prayerDay.day = r.localDay + (r.tomorrow ? 1 : 0);
    const PrayerTimes times = computeDayTimes(prayerDay, place, config);
    const double prayerUtSeconds = (prayerDay.day - r.now.day) * 86400.0 +
                                   test::radians(times[r.next]) / kSecondToRad -
                                   r.zoneHours * 3600.0;
    const double expected =
        prayerUtSeconds - (r.now.hour * 3600.0 + r.now.minute * 60.0 + r.now.second);
    EXPECT_NEAR(secondsUntilNext(today, now), expected, 1e-3);
    // A minute later the count-down is a minute shorter.
    const Instant later = now + Seconds{60};
    EXPECT_NEAR(secondsUntilNext(today, later), expected - 60.0, 1e-3);
    EXPECT_TRUE(isCurrent(today, later));
}

// The schedule goes stale when its prayer begins, at the place's midnight and when the clock
// is set back before the moment it was made for.
TEST(TodaySchedule, IsCurrentUntilThePrayerOrMidnight) {
    Config config;
    config.fiqh = 1;
    const Zone zone = *zoneOfPlace(test::manama()).zone;
    const Instant noon = instantOf({2024, 3, 20, 9, 0, 0.0});  // 12:00 in Manama (UT + 3)
    const TodaySchedule today = todaySchedule(test::manama(), zone, config, noon);
    const double asrSeconds = secondsUntilNext(today, noon);
    auto after = [&](double seconds) { return noon + Seconds{seconds}; };
    EXPECT_TRUE(isCurrent(today, after(asrSeconds - 0.5)));
    EXPECT_FALSE(isCurrent(today, after(asrSeconds + 0.5)));
    EXPECT_FALSE(isCurrent(today, after(-1.0)));
    const TodaySchedule night =
        todaySchedule(test::manama(), zone, config, instantOf({2024, 3, 20, 20, 0, 0.0}));
    EXPECT_TRUE(isCurrent(night, instantOf({2024, 3, 20, 20, 59, 59.0})));  // 23:59:59 there
    EXPECT_FALSE(isCurrent(night, instantOf({2024, 3, 20, 21, 0, 1.0})));   // the 21st there
}

using enum PrayerSlot;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Places, TodayScheduleTest, testing::Values(
    // Noon in Manama: Duhr (about 11:45) has passed; Shafi'i prays Asr next, Jafari Maghrib.
    Row{"Manama,Bahrain", 1, {2024, 3, 20, 9, 0, 0.0}, 3, 20, asrShadow1, false},
    Row{"Manama,Bahrain", 0, {2024, 3, 20, 9, 0, 0.0}, 3, 20, maghrib, false},
    // 00:30 in Manama is already the 21st there: Fajr of that day.
    Row{"Manama,Bahrain", 1, {2024, 3, 20, 21, 30, 0.0}, 3, 21, fajr, false},
    // 20:00, after Isha: tomorrow's Fajr.
    Row{"Manama,Bahrain", 2, {2024, 3, 20, 17, 0, 0.0}, 3, 20, fajr, true},
    // 23:00 in Oslo on 30 March 2024 (UT + 1): Fajr of the 31st, the first day of summer time.
    Row{"Oslo,Norway", 1, {2024, 3, 30, 22, 0, 0.0}, 1, 30, fajr, true},
    // Oslo on summer time (UT + 2): 12:00 is before Duhr (about 13:20).
    Row{"Oslo,Norway", 1, {2024, 6, 20, 10, 0, 0.0}, 1, 20, duhr, false}));
// clang-format on

}  // namespace
}  // namespace kelmo
