#include "calendar/summer_time.h"

#include <gtest/gtest.h>

#include <array>

#include "base/angles.h"
#include "base/markers.h"

namespace kelmo {
namespace {

CalendarDate civil(int year, int month, int day) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

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
    EXPECT_TRUE(applySummerTime(london, civil(2026, 6, 21), times));
    EXPECT_DOUBLE_EQ(times[0], 1.0 + kHoursToRad);
    EXPECT_EQ(times[1], kNotValid);
    EXPECT_EQ(times[2], kAlwAbove);
    EXPECT_EQ(times[3], kAlwBelow);

    std::array<double, 1> winter = {1.0};
    EXPECT_FALSE(applySummerTime(london, civil(2026, 12, 21), winter));
    EXPECT_DOUBLE_EQ(winter[0], 1.0);

    Location manama;
    EXPECT_FALSE(applySummerTime(manama, civil(2026, 6, 21), winter));
    EXPECT_DOUBLE_EQ(winter[0], 1.0);
}

}  // namespace
}  // namespace kelmo
