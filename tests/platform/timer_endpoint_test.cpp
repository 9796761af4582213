// The text lines of the "KelmoTimer" endpoint: one message "0x401 0 0" and one answer line.
#include "platform/timer_endpoint.h"

#include <gtest/gtest.h>

#include "platform/kelmo_messages.h"

namespace kelmo::platform {
namespace {

TEST(TimerEndpointTest, MessageNumbersFollowTheFirstUserMessage) {
    EXPECT_EQ(WM_KELMO_TRAY, 0x400);
    EXPECT_EQ(WM_KELMO_RELOAD, 0x401);
    EXPECT_EQ(WM_KELMO_QUIT, 0x402);
    EXPECT_EQ(WM_KELMO_DONE, 0x405);
}

TEST(TimerEndpointTest, MessagesRoundTripAsOneLine) {
    EXPECT_EQ(encodeTimerMessage({WM_KELMO_RELOAD, 0, 0}), "0x401 0 0\n");
    EXPECT_EQ(encodeTimerMessage({WM_KELMO_TRAY, 165, 0x204}), "0x400 165 516\n");
    const auto decoded = decodeTimerMessage("0x400 165 516\n");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->message, WM_KELMO_TRAY);
    EXPECT_EQ(decoded->wParam, 165);
    EXPECT_EQ(decoded->lParam, 516);
    const auto negative = decodeTimerMessage("  0X402 -1 -7\r\n");
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->message, WM_KELMO_QUIT);
    EXPECT_EQ(negative->wParam, -1);
    EXPECT_EQ(negative->lParam, -7);
}

TEST(TimerEndpointTest, MalformedMessagesAreRefused) {
    for (const char* line : {"", "401 0 0", "0x401 0", "0x401 0 0 0", "0xZZ 0 0", "0x401 a 0",
                             "0X-4 0 -7", "0x -1 1 0",  // found by the fuzzer: not sent again
                             "0x401 0 99999999999999999999999"})
        EXPECT_FALSE(decodeTimerMessage(line)) << line;
}

TEST(TimerEndpointTest, ResultsAreDecimalLines) {
    EXPECT_EQ(encodeTimerResult(1), "1\n");
    EXPECT_EQ(decodeTimerResult("1\n"), 1);
    EXPECT_EQ(decodeTimerResult("0"), 0);
    EXPECT_FALSE(decodeTimerResult(""));
    EXPECT_FALSE(decodeTimerResult("yes\n"));
    EXPECT_FALSE(decodeTimerResult("1 2\n"));
}

}  // namespace
}  // namespace kelmo::platform
