// The computer's own zone read as the C library reads it: the TZ variable (a zone of the tz
// database, with or without ':', a file, or a POSIX TZ rule), else /etc/localtime. The expected
// offsets are those of Python's zoneinfo on the same database and of the POSIX rules given.
#include "platform/computer_zone.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calendar/local_time.h"
#include "support/fresh_directory.h"

namespace kelmo::platform {
namespace {

long offsetAt(const ComputerZone& z, int year, int month, int day) {
    EXPECT_TRUE(z.zone.has_value()) << z.error;
    if (!z.zone) return -1;
    return static_cast<long>(
        z.zone->offsetAt(instantOf(UtcTime{year, month, day, 12, 0, 0.0})).count());
}

class ComputerZoneTest : public test::InFreshDirectory {};

TEST_F(ComputerZoneTest, TheTzVariableInEachOfItsForms) {
    const std::string none = (dir_ / "no-localtime").string();
    EXPECT_EQ(offsetAt(computerZone("Europe/London", none), 2026, 7, 1), 3600);
    EXPECT_EQ(offsetAt(computerZone(":Asia/Kolkata", none), 2026, 7, 1), 19800);
    EXPECT_EQ(offsetAt(computerZone(":/usr/share/zoneinfo/America/Sao_Paulo", none), 2026, 1, 1),
              -10800);
    // POSIX rules: the United States' rule of 2007 (8 March to 1 November 2026).
    const ComputerZone eastern = computerZone("EST5EDT,M3.2.0,M11.1.0", none);
    EXPECT_EQ(offsetAt(eastern, 2026, 3, 7), -18000);
    EXPECT_EQ(offsetAt(eastern, 2026, 3, 9), -14400);
    EXPECT_EQ(offsetAt(eastern, 2040, 11, 2), -14400);  // no year ends a rule
    EXPECT_EQ(offsetAt(computerZone("<+0330>-3:30", none), 2026, 7, 1), 12600);
    EXPECT_FALSE(computerZone("Nowhere/Atlantis", none).zone.has_value());
    EXPECT_FALSE(computerZone("Nowhere/Atlantis", none).error.empty());
}

TEST_F(ComputerZoneTest, WithoutTzTheLocaltimeFile) {
    const std::filesystem::path file = dir_ / "localtime";
    std::filesystem::copy_file("/usr/share/zoneinfo/Australia/Sydney", file);
    EXPECT_EQ(offsetAt(computerZone(std::nullopt, file.string()), 2039, 1, 7), 39600);
    EXPECT_EQ(offsetAt(computerZone("", file.string()), 2039, 7, 7), 36000);
    std::ofstream(dir_ / "broken") << "not a zone file";
    EXPECT_FALSE(computerZone(std::nullopt, (dir_ / "broken").string()).zone.has_value());
    EXPECT_FALSE(computerZone(std::nullopt, (dir_ / "missing").string()).zone.has_value());
}

}  // namespace
}  // namespace kelmo::platform
