#include "calendar/summer_time.h"

#include <gtest/gtest.h>

#include <array>

#include "calendar/zone.h"
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
    // "2nd" is the second such weekday of the month: with 7 March 2027 a Sunday, the 14th
    // (the United States' rule), and "3rd" the 21st.
    EXPECT_EQ(dstDayOfMonth(831, 2027), 14);
    EXPECT_EQ(dstDayOfMonth(832, 2027), 21);
    EXPECT_EQ(dstDayOfMonth(831, 2026), 8);
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

// The clock's offset at local noon of a date, in minutes, from the place's zone: with a zone the
// tz database's law of each date holds, whatever the rule codes say (IANA tz data:
// America/New_York, Europe/Moscow, Asia/Tehran, Australia/Lord_Howe, Antarctica/Troll,
// Asia/Almaty).
int noonOffsetMinutes(const Location& place, const CalendarDate& date) {
    const Zone zone = test::zoneOf(place);
    const Instant noon = zone.noonOf(date);
    return static_cast<int>(zone.offsetAt(noon).count() / 60);
}

TEST(ClockOffset, FromTheZoneOfTheTzDatabase) {
    struct Case {
        Location place;
        CalendarDate date;
        int minutes;
    };
    const Location newYork = clockPlace(-5.0f, 1086, 2626, "America/New_York");
    const Location tehran = clockPlace(3.5f, 789, 2327, "Asia/Tehran");
    const Location almaty = clockPlace(5.0f, 0, 0, "Asia/Almaty");
    const Location lordHowe = clockPlace(10.5f, 0, 0, "Australia/Lord_Howe");
    const Case cases[] = {
        // US law since 2007 overrules the old codes (first Sunday of April).
        {newYork, civil(2026, 3, 7), -300},
        {newYork, civil(2026, 3, 8), -240},
        {newYork, civil(2026, 10, 31), -240},
        {newYork, civil(2026, 11, 1), -300},
        // No summer time in Russia since 2011 and in Iran since 2022; Iran's of 2021 holds.
        {clockPlace(3.0f, 834, 2370, "Europe/Moscow"), civil(2026, 7, 1), 180},
        {tehran, civil(2026, 7, 1), 210},
        {tehran, civil(2021, 7, 1), 270},
        {tehran, civil(2021, 12, 1), 210},
        // Shifts other than one hour.
        {lordHowe, civil(2026, 1, 15), 660},
        {lordHowe, civil(2026, 7, 15), 630},
        {clockPlace(0.0f, 0, 0, "Antarctica/Troll"), civil(2026, 7, 15), 120},
        // Kazakhstan moved from UTC+6 to UTC+5 on 1 March 2024.
        {almaty, civil(2024, 2, 29), 360},
        {almaty, civil(2024, 3, 1), 300},
        // Without a zone, the rule codes: one hour from the start day to the end day.
        {clockPlace(0.0f, 834, 2626), civil(2026, 3, 28), 0},
        {clockPlace(0.0f, 834, 2626), civil(2026, 3, 29), 60},
        {clockPlace(0.0f, 834, 2626), civil(2026, 10, 25), 0},
        {clockPlace(-3.0f, 2626, 834), civil(2026, 1, 15), -120},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(noonOffsetMinutes(c.place, c.date), c.minutes)
            << c.place.zone << " " << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
}

}  // namespace
}  // namespace kelmo
