// The computer's local date and time at its present instant, read on its own zone.
#include "qibla/computer_time.h"

#include <gtest/gtest.h>

#include "calendar/local_time.h"
#include "calendar/place_zone.h"

namespace kelmo {
namespace {

TEST(ComputerLocalNow, ZoneAndSummerTimeOfTheComputer) {
    const Zone cet = Zone::ofRule(ruleOfCodes(1.0f, 3 * 256 + 66, 10 * 256 + 66));
    // 29 March 2026 is the first day of summer time: 10:15 UT is 12:15.
    CalendarDate d = computerLocalNow({instantOf(UtcTime{2026, 3, 29, 10, 15, 0.0}), cet});
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.month, 3);
    EXPECT_NEAR(d.day, 29.0 + 12.25 / 24.0, 1e-9);
    // In winter 23:30 UT on the last day of the year is already the new year.
    d = computerLocalNow({instantOf(UtcTime{2025, 12, 31, 23, 30, 0.0}), cet});
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.month, 1);
    EXPECT_NEAR(d.day, 1.0 + 0.5 / 24.0, 1e-9);
    // West of Greenwich the date lags.
    d = computerLocalNow(
        {instantOf(UtcTime{2026, 1, 1, 2, 0, 0.0}), Zone::fixed(Seconds{-5.0L * 3600.0L})});
    EXPECT_EQ(d.year, 2025);
    EXPECT_EQ(d.month, 12);
    EXPECT_NEAR(d.day, 31.0 + 21.0 / 24.0, 1e-9);
}

}  // namespace
}  // namespace kelmo
