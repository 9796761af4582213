#include "files/reports/times_row.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/angles.h"
#include "support/frame_times.h"

namespace kelmo {
namespace {

using test::kAlwAboveTime;
using test::kAlwBelowTime;
using test::kNotValidTime;

FrameTime hms(int h, int m, double s) {
    return FrameTime::at((h + m / 60.0 + s / 3600.0) * kHoursToRad);
}

// A time of the row's day in radians, or a marker, as the row's cell takes it.
RowTime rowTimeOf(FrameTime value) {
    const std::optional<double> angle = value.angle();
    if (!angle) return {value.status(), 0.0L};
    return {EventStatus::time, static_cast<long double>(*angle) / kSecondToRad};
}

std::string row(const Config& c, int kind, std::span<const FrameTime> values) {
    std::vector<RowTime> times;
    for (const FrameTime v : values) times.push_back(rowTimeOf(v));
    std::string text;
    writeTimesRow(c, kind, times, text);
    return text;
}

// Nine prayer slots: Imsak, Fajr, Shuruq, noon, Duhr, Asr 1, Asr 2, Maghrib, Isha.
std::array<FrameTime, 9> day() {
    return {hms(5, 2, 59),    hms(5, 12, 1),    hms(6, 30, 59),
            hms(11, 44, 10),  hms(11, 45, 0.4), hms(15, 1, 19.5),
            hms(15, 40, 4.5), hms(17, 10, 1.5), hms(18, 30, 29.5)};
}

TEST(PrayerRow, JafariShowsFiveCellsMinutesCutOrRoundedUp) {
    Config c;  // Jafari, minutes
    // Imsak and Shuruq are cut (05:02:59 -> 05:02), every other time rounds up whenever a
    // second remains (05:12:01 -> 05:13, 11:45:00.4 -> 11:46).
    EXPECT_EQ(row(c, kPrayerRow, day()), "05:02    05:13    06:30    11:46    17:11    \n");
}

TEST(PrayerRow, SchoolsChooseTheirAsrSlot) {
    Config c;
    c.fiqh = 1;  // Shafi'i: Asr from shadow factor 1
    EXPECT_EQ(row(c, kPrayerRow, day()),
              "05:02    05:13    06:30    11:46    15:02    17:11    18:31    \n");
    c.fiqh = 3;  // Maliki
    EXPECT_EQ(row(c, kPrayerRow, day()),
              "05:02    05:13    06:30    11:46    15:02    17:11    18:31    \n");
    c.fiqh = 2;  // Hanafi: Asr from shadow factor 2
    EXPECT_EQ(row(c, kPrayerRow, day()),
              "05:02    05:13    06:30    11:46    15:41    17:11    18:31    \n");
}

TEST(PrayerRow, SecondsPrecision) {
    Config c;
    c.fiqh = 4;
    c.precision = 0;
    // Imsak and Shuruq are cut to the second, the others rounded up on any fraction.
    const std::array<FrameTime, 9> t = {hms(5, 2, 59.5),  hms(5, 12, 0.5),  hms(6, 30, 59.5),
                                        hms(11, 44, 10),  hms(11, 45, 0.4), hms(15, 1, 19.5),
                                        hms(15, 40, 5.5), hms(17, 10, 1.5), hms(18, 30, 29.5)};
    EXPECT_EQ(row(c, kPrayerRow, t),
              "05:02:59 05:12:01 06:30:59 11:45:01 15:01:20 17:10:02 18:30:30 \n");
}

TEST(PrayerRow, DayMarksMarkersAndTimesBeyondOneDay) {
    Config c;
    c.fiqh = 1;
    std::array<FrameTime, 9> t = day();
    t[0] = kAlwBelowTime;
    t[1] = hms(-1, 30, 10);  // 23:30:10 of the previous day
    t[2] = kNotValidTime;
    t[4] = kAlwAboveTime;
    t[5] = hms(49, 0, 0);    // two days on
    t[8] = hms(24, 30, 10);  // Isha after midnight
    EXPECT_EQ(row(c, kPrayerRow, t),
              "AlwBelow 23:31<   NotValid AlwAbove NotValid 17:11    00:31>   \n");
    c.precision = 0;
    EXPECT_EQ(row(c, kPrayerRow, t),
              "AlwBelow 23:30:10<NotValid AlwAbove NotValid 17:10:02 00:30:10>\n");
}

TEST(MoonCells, RoundToTheNearestWithTabSuffixes) {
    Config c;
    const std::array<FrameTime, 3> t = {hms(12, 0, 29), hms(12, 0, 31), hms(24, 59, 50)};
    EXPECT_EQ(row(c, kMoonRowCells, t), "12:00       \t12:01       \t01:00>      \t");
    c.precision = 0;
    EXPECT_EQ(row(c, kMoonRowCells, t), "12:00:29     \t12:00:31     \t00:59:50>    \t");
    const std::array<FrameTime, 3> markers = {kAlwAboveTime, hms(-50, 0, 0), kNotValidTime};
    EXPECT_EQ(row(c, kMoonRowCells, markers), "AlwAbove     \tNotValid     \tNotValid     \t");
}

TEST(InlineCells, BareTimeAndDayMark) {
    Config c;
    const std::array<FrameTime, 2> t = {hms(18, 5, 40), hms(0, -10, 0)};
    EXPECT_EQ(row(c, kInlineCells, t), "18:06 23:50<");
    const std::array<FrameTime, 1> marker = {kAlwBelowTime};
    EXPECT_EQ(row(c, kInlineCells, marker), "AlwBelow ");
}

}  // namespace
}  // namespace kelmo
