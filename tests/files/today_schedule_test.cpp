#include "files/today_schedule.h"

#include <gtest/gtest.h>

#include <span>

#include "base/angles.h"
#include "calendar/summer_time.h"
#include "prayer/day_times.h"
#include "support/places.h"

namespace kelmo {
namespace {

struct Row {
    const char* place;
    int fiqh;
    UtcTime now;
    double prayerClockHours;  // the place's clock on the prayer's day (zone, summer time)
    int localDay;             // the place's civil date then (of the month of now)
    PrayerSlot next;
    bool tomorrow;
};

// The reference of the count-down is the slot's time from the day's times computed afresh,
// turned into Universal Time by hand with the row's clock of that day, less the moment now.
// Days of one month only: the day difference is that of the days of the month.
class TodayScheduleTest : public testing::TestWithParam<Row> {};

TEST_P(TodayScheduleTest, DatesTheDayAndCountsDownToTheNextPrayer) {
    const Row& r = GetParam();
    const Location place = test::builtInPlace(r.place);
    Config config;
    config.fiqh = r.fiqh;
    const TodaySchedule today = todaySchedule(place, config, r.now);
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
    PrayerTimes times = computeDayTimes(prayerDay, place, config);
    applySummerTime(place, prayerDay, std::span<double>(times.slots));
    const double prayerUtSeconds = (prayerDay.day - r.now.day) * 86400.0 +
                                   times[r.next] / kSecondToRad - r.prayerClockHours * 3600.0;
    const double expected =
        prayerUtSeconds - (r.now.hour * 3600.0 + r.now.minute * 60.0 + r.now.second);
    EXPECT_NEAR(secondsUntilNext(today, r.now), expected, 1e-3);
    // A minute later the count-down is a minute shorter.
    UtcTime later = r.now;
    later.minute += 1;
    EXPECT_NEAR(secondsUntilNext(today, later), expected - 60.0, 1e-3);
    EXPECT_TRUE(isCurrent(today, later));
}

// The schedule goes stale when its prayer begins, at the place's midnight and when the clock
// is set back before the moment it was made for.
TEST(TodaySchedule, IsCurrentUntilThePrayerOrMidnight) {
    Config config;
    config.fiqh = 1;
    const UtcTime noon{2024, 3, 20, 9, 0, 0.0};  // 12:00 in Manama (UT + 3)
    const TodaySchedule today = todaySchedule(test::manama(), config, noon);
    const double asrSeconds = secondsUntilNext(today, noon);
    auto after = [&](double seconds) {
        UtcTime t = noon;
        t.second += seconds;
        return t;
    };
    EXPECT_TRUE(isCurrent(today, after(asrSeconds - 0.5)));
    EXPECT_FALSE(isCurrent(today, after(asrSeconds + 0.5)));
    EXPECT_FALSE(isCurrent(today, after(-1.0)));
    const TodaySchedule night = todaySchedule(test::manama(), config, {2024, 3, 20, 20, 0, 0.0});
    EXPECT_TRUE(isCurrent(night, {2024, 3, 20, 20, 59, 59.0}));  // 23:59:59 there
    EXPECT_FALSE(isCurrent(night, {2024, 3, 20, 21, 0, 1.0}));   // the 21st there
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
    Row{"Oslo,Norway", 1, {2024, 3, 30, 22, 0, 0.0}, 2, 30, fajr, true},
    // Oslo on summer time (UT + 2): 12:00 is before Duhr (about 13:20).
    Row{"Oslo,Norway", 1, {2024, 6, 20, 10, 0, 0.0}, 2, 20, duhr, false}));
// clang-format on

TEST(TodaySchedule, JulianDayOfAUtcMoment) {
    // J2000.0: 1 January 2000, 12:00 UT is Julian day 2451545.0.
    EXPECT_DOUBLE_EQ(julianDayOfUtc({2000, 1, 1, 12, 0, 0.0}), 2451545.0);
    EXPECT_NEAR(julianDayOfUtc({2000, 1, 1, 18, 0, 0.0}), 2451545.25, 1e-9);
}

}  // namespace
}  // namespace kelmo
