#include "calendar/summer_time.h"

#include <gtest/gtest.h>

#include <array>

#include "base/angles.h"
#include "base/markers.h"

#include "support/civil_date.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::civil;
using test::clockPlace;

TEST(SummerTimeRule, ResolvesFixedAndWeekdayDays) {
    EXPECT_EQ(dstDayOfMonth(834, 2026), 29);   // last Sunday of March
    EXPECT_EQ(dstDayOfMonth(2626, 2026), 25);  // last Sunday of October
    EXPECT_EQ(dstDayOfMonth(1086, 2026), 5);   // first Sunday of April
    EXPECT_EQ(dstDayOfMonth(789, 2026), 21);   // 21 March
    // "2nd" counts from the 7th, "3rd" from the 14th: 7 March 2027 is a Sunday.
    EXPECT_EQ(dstDayOfMonth(831, 2027), 7);
    EXPECT_EQ(dstDayOfMonth(832, 2027), 14);
    EXPECT_EQ(dstDayOfMonth(2 * 256 + 66, 2024), 25);  // last Sunday of February 2024
    EXPECT_EQ(dstDayOfMonth(2 * 256 + 66, 2026), 22);
}

TEST(SummerTimeRule, NorthernSummer) {
    EXPECT_FALSE(isSummerTime(834, 2626, civil(2026, 3, 28)));
    EXPECT_TRUE(isSummerTime(834, 2626, civil(2026, 3, 29)));
    EXPECT_TRUE(isSummerTime(834, 2626, civil(2026, 7, 1)));
    EXPECT_TRUE(isSummerTime(834, 2626, civil(2026, 10, 24)));
    EXPECT_FALSE(isSummerTime(834, 2626, civil(2026, 10, 25)));
    EXPECT_FALSE(isSummerTime(834, 2626, civil(2026, 12, 7)));
}

TEST(SummerTimeRule, SouthernSummerAcrossTheNewYear) {
    EXPECT_TRUE(isSummerTime(2626, 834, civil(2026, 1, 15)));
    EXPECT_TRUE(isSummerTime(2626, 834, civil(2026, 3, 28)));
    EXPECT_FALSE(isSummerTime(2626, 834, civil(2026, 3, 29)));
    EXPECT_FALSE(isSummerTime(2626, 834, civil(2026, 7, 1)));
    EXPECT_FALSE(isSummerTime(2626, 834, civil(2026, 10, 24)));
    EXPECT_TRUE(isSummerTime(2626, 834, civil(2026, 10, 25)));
}

TEST(SummerTimeRule, CodesOutsideTheModelMeanNoSummerTime) {
    EXPECT_FALSE(isSummerTime(0, 0, civil(2026, 7, 1)));
    EXPECT_FALSE(isSummerTime(13 * 256 + 1, 2626, civil(2026, 7, 1)));  // month 13
    EXPECT_FALSE(isSummerTime(3 * 256 + 67, 2626, civil(2026, 7, 1)));  // day code 67
    EXPECT_FALSE(isSummerTime(256, 2626, civil(2026, 7, 1)));           // day code 0
    EXPECT_EQ(dstDayOfMonth(3 * 256 + 200, 2026), 0);
    EXPECT_FALSE(isSummerTime(834, 834, civil(2026, 7, 1)));  // same month: never
}

TEST(ApplySummerTime, AddsOneHourToValidTimesOnly) {
    Location london;
    london.dstStart = 834;
    london.dstEnd = 2626;
    std::array<double, 4> times = {1.0, kNotValid, kAlwAbove, kAlwBelow};
    EXPECT_EQ(applySummerTime(london, civil(2026, 6, 21), times), 60);
    EXPECT_DOUBLE_EQ(times[0], 1.0 + kHoursToRad);
    EXPECT_EQ(times[1], kNotValid);
    EXPECT_EQ(times[2], kAlwAbove);
    EXPECT_EQ(times[3], kAlwBelow);

    std::array<double, 1> winter = {1.0};
    EXPECT_EQ(applySummerTime(london, civil(2026, 12, 21), winter), 0);
    EXPECT_DOUBLE_EQ(winter[0], 1.0);

    Location manama;
    EXPECT_EQ(applySummerTime(manama, civil(2026, 6, 21), winter), 0);
    EXPECT_DOUBLE_EQ(winter[0], 1.0);
}

// With a zone the tz database's law of each date holds, whatever the rule codes say
// (IANA tz data: America/New_York, Europe/Moscow, Asia/Tehran, Australia/Lord_Howe,
// Antarctica/Troll, Asia/Almaty).
TEST(SummerTimeMinutes, FromTheZoneOfTheTzDatabase) {
    // US law since 2007: second Sunday of March to first Sunday of November; the old codes
    // (first Sunday of April to last Sunday of October) are overruled.
    const Location newYork = clockPlace(-5.0f, 1086, 2626, "America/New_York");
    EXPECT_EQ(summerTimeMinutes(newYork, civil(2026, 3, 7)), 0);
    EXPECT_EQ(summerTimeMinutes(newYork, civil(2026, 3, 8)), 60);
    EXPECT_EQ(summerTimeMinutes(newYork, civil(2026, 10, 31)), 60);
    EXPECT_EQ(summerTimeMinutes(newYork, civil(2026, 11, 1)), 0);
    // No summer time in Russia since 2011 and in Iran since 2022; Iran's of 2021 holds.
    EXPECT_EQ(summerTimeMinutes(clockPlace(3.0f, 834, 2370, "Europe/Moscow"), civil(2026, 7, 1)),
              0);
    const Location tehran = clockPlace(3.5f, 789, 2327, "Asia/Tehran");
    EXPECT_EQ(summerTimeMinutes(tehran, civil(2026, 7, 1)), 0);
    EXPECT_EQ(summerTimeMinutes(tehran, civil(2021, 7, 1)), 60);
    EXPECT_EQ(summerTimeMinutes(tehran, civil(2021, 12, 1)), 0);
    // Shifts other than one hour.
    EXPECT_EQ(summerTimeMinutes(clockPlace(10.5f, 0, 0, "Australia/Lord_Howe"), civil(2026, 1, 15)),
              30);
    EXPECT_EQ(summerTimeMinutes(clockPlace(10.5f, 0, 0, "Australia/Lord_Howe"), civil(2026, 7, 15)),
              0);
    EXPECT_EQ(summerTimeMinutes(clockPlace(0.0f, 0, 0, "Antarctica/Troll"), civil(2026, 7, 15)),
              120);
    // Kazakhstan moved from UTC+6 to UTC+5 on 1 March 2024: the zone time of today's law
    // (+5) gets the hour back before the change.
    const Location almaty = clockPlace(5.0f, 0, 0, "Asia/Almaty");
    EXPECT_EQ(summerTimeMinutes(almaty, civil(2024, 2, 29)), 60);
    EXPECT_EQ(summerTimeMinutes(almaty, civil(2024, 3, 1)), 0);
    // A zone the database does not know falls back to the rule codes.
    EXPECT_EQ(summerTimeMinutes(clockPlace(0.0f, 834, 2626, "Nowhere/Atlantis"), civil(2026, 7, 1)),
              60);
    // Applied to times: 30 minutes, markers untouched.
    std::array<double, 2> times = {1.0, kNotValid};
    EXPECT_EQ(
        applySummerTime(clockPlace(10.5f, 0, 0, "Australia/Lord_Howe"), civil(2026, 1, 15), times),
        30);
    EXPECT_DOUBLE_EQ(times[0], 1.0 + 30 * kMinuteToRad);
    EXPECT_EQ(times[1], kNotValid);
}

}  // namespace
}  // namespace kelmo
