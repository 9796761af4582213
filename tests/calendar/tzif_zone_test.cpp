// The footer rules of TZif files (POSIX TZ strings) and their refusals; whole files of the
// system's database are compared with the C library in zone_rules_test.cpp.
#include "calendar/tzif_zone.h"

#include <gtest/gtest.h>

namespace kelmo {
namespace {

// UT seconds of a civil date and hour (1970-01-01 = day 0).
std::int64_t at(int daysSince1970, int hour) {
    return daysSince1970 * 86400LL + hour * 3600LL;
}

TzifZone ruleOnly(const char* text) {
    const std::optional<TzifRule> rule = parseTzRule(text);
    EXPECT_TRUE(rule.has_value()) << text;
    return TzifZone{{}, {}, {TzifType{}}, rule};
}

TEST(TzifRule, DatesOfEachFormAndTheDefaults) {
    // 2024 is a leap year: day 19723 is 2024-01-01, 19782 29 February, 19783 1 March.
    const TzifZone julian = ruleOnly("AAA-1BBB,J60/0,J300");  // J60 is 1 March in any year
    EXPECT_FALSE(typeAt(julian, at(19782, 12)).daylightSaving);
    EXPECT_TRUE(typeAt(julian, at(19783, 12)).daylightSaving);
    EXPECT_EQ(typeAt(julian, at(19783, 12)).offset, 7200);           // one hour more than standard
    const TzifZone zeroBased = ruleOnly("<+03>-3<+04>-4,59/0,300");  // day 59: 29 February
    EXPECT_TRUE(typeAt(zeroBased, at(19782, 12)).daylightSaving);
    EXPECT_EQ(typeAt(zeroBased, at(19782, 12)).offset, 4 * 3600);
    // Without dates the POSIX default: second Sunday of March to first Sunday of November
    // (10 March and 3 November 2024), at 02:00 local time.
    const TzifZone us = ruleOnly("EST5EDT");
    EXPECT_FALSE(typeAt(us, at(19792, 6)).daylightSaving);  // 10 March 01:00 EST
    EXPECT_TRUE(typeAt(us, at(19792, 8)).daylightSaving);   // 10 March 04:00 EDT
    EXPECT_EQ(ruleOnly("<-0330>3:30").types.size(), 1u);
    EXPECT_EQ(typeAt(ruleOnly("<-0330>3:30"), 0).offset, -12600);
}

TEST(TzifRule, MalformedTextsAndFilesAreRefused) {
    for (const char* text : {"", "AB5", "EST", "<EST5", "EST5EDT,M13.1.0,M11.1.0", "EST5EDT,M3.2.0",
                             "EST5EDT,J0,J300", "EST5EDT,M3.2.0,M11.1.0x"})
        EXPECT_FALSE(parseTzRule(text).has_value()) << text;
    EXPECT_FALSE(parseTzif("").has_value());
    EXPECT_FALSE(parseTzif(std::string("TZif") + std::string(40, '\0')).has_value());  // v1
    EXPECT_FALSE(parseTzif(std::string("TZif2") + std::string(39, '\0')).has_value());
}

}  // namespace
}  // namespace kelmo
