// Tests of the computer's zone setting read from the system time zone (the TZ variable).
// References: the POSIX TZ rules given here (IEEE Std 1003.1, 8.3) and the calendar of 2026
// (29 March and 25 October are the last Sundays of their months, 4 October and 5 April the
// first Sundays, 8 March the second Sunday, 4 April and 5 September the first Saturdays);
// for the tz database zones, its published history (Dublin keeps GMT in winter and IST in
// summer; Volgograd moved from +4 to +3 on 27 December 2020; Sao Paulo has had no summer time
// since 2019).
#include "platform/computer_zone.h"

#include <gtest/gtest.h>
#include <time.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace kelmo::platform {
namespace {

class ComputerZone : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) saved_ = tz;
    }
    void TearDown() override {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    static void useZone(const char* tz) {
        setenv("TZ", tz, 1);
        tzset();
    }
    static bool haveZoneinfo(const char* name) {
        return std::filesystem::exists(std::filesystem::path("/usr/share/zoneinfo") / name);
    }
    static std::time_t at(int year, int month, int day) {
        std::tm fields{};
        fields.tm_year = year - 1900;
        fields.tm_mon = month - 1;
        fields.tm_mday = day;
        fields.tm_hour = 12;
        return timegm(&fields);
    }

  private:
    std::optional<std::string> saved_;
};

void expectDate(const ZoneTransition& t, int year, int month, int day) {
    EXPECT_EQ(t.year, year);
    EXPECT_EQ(t.month, month);
    EXPECT_EQ(t.day, day);
}

TEST_F(ComputerZone, CentralEurope) {
    useZone("CET-1CEST,M3.5.0,M10.5.0/3");
    const ZoneSetting s = systemZoneSetting(at(2026, 6, 15));
    EXPECT_EQ(s.biasMinutes, -60);
    expectDate(s.daylightDate, 2026, 3, 29);
    expectDate(s.standardDate, 2026, 10, 25);
    // The same from a winter moment of the year.
    const ZoneSetting w = systemZoneSetting(at(2026, 1, 15));
    EXPECT_EQ(w.biasMinutes, -60);
    expectDate(w.daylightDate, 2026, 3, 29);
}

TEST_F(ComputerZone, SouthernHemisphere) {
    useZone("AEST-10AEDT,M10.1.0,M4.1.0/3");  // Sydney
    const ZoneSetting s = systemZoneSetting(at(2026, 12, 1));
    EXPECT_EQ(s.biasMinutes, -600);
    expectDate(s.daylightDate, 2026, 10, 4);
    expectDate(s.standardDate, 2026, 4, 5);
}

TEST_F(ComputerZone, TransitionsAtMidnight) {
    // Summer time from Saturday 24:00 and back at Saturday 24:00 of summer time (23:00
    // standard): the local date of the first moment in the new state.
    useZone("<-04>4<-03>,M9.1.6/24,M4.1.6/24");
    const ZoneSetting s = systemZoneSetting(at(2026, 7, 1));
    EXPECT_EQ(s.biasMinutes, 240);
    expectDate(s.daylightDate, 2026, 9, 6);
    expectDate(s.standardDate, 2026, 4, 4);

    useZone("CST5CDT,M3.2.0/0,M11.1.0/1");  // Havana: 00:00 -> 01:00, 01:00 -> 00:00
    const ZoneSetting h = systemZoneSetting(at(2026, 7, 1));
    EXPECT_EQ(h.biasMinutes, 300);
    expectDate(h.daylightDate, 2026, 3, 8);
    expectDate(h.standardDate, 2026, 11, 1);
}

TEST_F(ComputerZone, NoSummerTime) {
    useZone("UTC0");
    ZoneSetting s = systemZoneSetting(at(2026, 6, 15));
    EXPECT_EQ(s.biasMinutes, 0);
    EXPECT_EQ(s.standardDate.month, 0);
    EXPECT_EQ(s.daylightDate.month, 0);

    useZone("<+0530>-5:30");
    s = systemZoneSetting(at(2026, 6, 15));
    EXPECT_EQ(s.biasMinutes, -330);
    EXPECT_EQ(s.standardDate.month, 0);
}

TEST_F(ComputerZone, ZoneDatabase) {
    if (!haveZoneinfo("Europe/Dublin") || !haveZoneinfo("Europe/Volgograd") ||
        !haveZoneinfo("America/Sao_Paulo")) {
        GTEST_SKIP() << "tz database not installed";
    }
    // Dublin's database entry may mark winter as the "daylight" state (negative save); the
    // standard offset is the year's smaller one all the same.
    useZone("Europe/Dublin");
    ZoneSetting s = systemZoneSetting(at(2026, 6, 15));
    EXPECT_EQ(s.biasMinutes, 0);
    expectDate(s.daylightDate, 2026, 3, 29);
    expectDate(s.standardDate, 2026, 10, 25);

    // A change of the standard offset itself is no summer time: the offset in force.
    useZone("Europe/Volgograd");
    s = systemZoneSetting(at(2020, 6, 1));
    EXPECT_EQ(s.biasMinutes, -240);
    EXPECT_EQ(s.standardDate.month, 0);
    EXPECT_EQ(s.daylightDate.month, 0);

    useZone("America/Sao_Paulo");
    s = systemZoneSetting(at(2026, 1, 15));
    EXPECT_EQ(s.biasMinutes, 180);
    EXPECT_EQ(s.standardDate.month, 0);
}

TEST_F(ComputerZone, ComputerTimeFromTheClock) {
    useZone("CET-1CEST,M3.5.0,M10.5.0/3");
    UtcTime moment;
    moment.year = 2026;
    moment.month = 7;
    moment.day = 1;
    moment.hour = 23;
    moment.minute = 30;
    const FixedClock clock(moment);
    const ComputerTime computer = computerTime(clock);
    EXPECT_EQ(computer.now.day, 1);
    EXPECT_EQ(computer.now.hour, 23);
    EXPECT_EQ(computer.zone.timeZone, 1.0f);
    EXPECT_EQ(computer.zone.dstStart, 3 * 256 + 29);
    EXPECT_EQ(computer.zone.dstEnd, 10 * 256 + 25);
    // 23:30 UT on 1 July is 01:30 on 2 July in Central European summer time.
    const CalendarDate local = computerLocalNow(computer);
    EXPECT_EQ(local.month, 7);
    EXPECT_NEAR(local.day, 2.0 + 1.5 / 24.0, 1e-9);
}

TEST_F(ComputerZone, TheYearOfTheLocalDate) {
    // 31 December 2026, 20:00 UT is already 2027 at +5; the rules are those of 2027.
    useZone("<+05>-5<+06>,M3.5.0,M10.5.0/3");
    std::tm fields{};
    fields.tm_year = 2026 - 1900;
    fields.tm_mon = 11;
    fields.tm_mday = 31;
    fields.tm_hour = 20;
    const ZoneSetting s = systemZoneSetting(timegm(&fields));
    expectDate(s.daylightDate, 2027, 3, 28);
    expectDate(s.standardDate, 2027, 10, 31);
}

}  // namespace
}  // namespace kelmo::platform
