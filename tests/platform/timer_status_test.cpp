// The status answer of the Timer: one line with the result 1, the prayer, its date and time
// and the location (which may hold blanks), and the answer 0 of a Timer without a prayer.
#include <gtest/gtest.h>

#include "platform/timer_status.h"

using namespace kelmo;
using namespace kelmo::platform;

TEST(TimerStatus, MessageNumberFollowsTheOtherUserMessages) {
    EXPECT_EQ(WM_KELMO_STATUS, 0x403);
    EXPECT_NE(WM_KELMO_STATUS, WM_KELMO_QUIT);
    EXPECT_NE(WM_KELMO_STATUS, WM_KELMO_DONE);
}

TEST(TimerStatus, EncodesOneLineAndReadsItBack) {
    TimerStatus status{"Maghrib", 2024, 3, 11, "17:51:07", "Al Khobar,Saudi Arabia"};
    const std::string line = encodeTimerStatus(status);
    EXPECT_EQ(line, "1 Maghrib 2024-03-11 17:51:07 Al Khobar,Saudi Arabia\n");
    const auto back = decodeTimerStatus(line);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->prayer, "Maghrib");
    EXPECT_EQ(back->year, 2024);
    EXPECT_EQ(back->month, 3);
    EXPECT_EQ(back->day, 11);
    EXPECT_EQ(back->time, "17:51:07");
    EXPECT_EQ(back->location, "Al Khobar,Saudi Arabia");
    // Without its newline, as the line reader hands it over.
    EXPECT_TRUE(decodeTimerStatus(line.substr(0, line.size() - 1)).has_value());
}

TEST(TimerStatus, NoPrayerAndMalformedAnswersGiveNothing) {
    EXPECT_FALSE(decodeTimerStatus("0\n").has_value());
    EXPECT_FALSE(decodeTimerStatus("1\n").has_value());
    EXPECT_FALSE(decodeTimerStatus("1 Fajr 2024-03-11\n").has_value());
    EXPECT_FALSE(decodeTimerStatus("1 Fajr 2024-3 04:30:00 Manama\n").has_value());
    EXPECT_FALSE(decodeTimerStatus("1 Fajr 2024-03-11x 04:30:00 Manama\n").has_value());
    EXPECT_FALSE(decodeTimerStatus("1  2024-03-11 04:30:00 Manama\n").has_value());
    EXPECT_FALSE(decodeTimerStatus("2 Fajr 2024-03-11 04:30:00 Manama\n").has_value());
}
