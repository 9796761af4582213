// The place's clock: the tz database's zones through their compiled files (with the rule of a
// file's footer after its last listed change), the rule codes and fixed offsets. The reference
// offsets and instants come from Python's zoneinfo on the same system tz database
// (tools/gen_zone_reference.py, and the values quoted below from it).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calendar/clock_rule.h"
#include "calendar/place_zone.h"
#include "calendar/row_time.h"
#include "calendar/time_zone_database.h"
#include "support/civil_date.h"
#include "support/fresh_directory.h"
#include "support/places.h"
#include "support/scoped_env.h"

namespace kelmo {
namespace {

Instant unix(long long seconds) {
    return Instant{Seconds{static_cast<long double>(seconds)}};
}

Zone zoneNamed(const char* name) {
    const ZoneLookup found = findZone(name);
    EXPECT_TRUE(found.zone.has_value()) << name;
    return found.zone ? *found.zone : Zone::fixed(Seconds{0.0L});
}

TEST(Zone, OffsetsAsZoneinfoReadsThem) {
    struct Case {
        const char* zone;
        long long unixSeconds;  // the instant
        long offsetSeconds;     // zoneinfo's utcoffset() there
        bool summer;
    };
    const Case cases[] = {
        {"Europe/London", 2161497600, 3600, true},         // 2038-06-30: the footer's rule
        {"Europe/London", 2177884800, 0, false},           // 2039-01-06
        {"Australia/Sydney", 2178000000, 39600, true},     // 2039-01-07 (southern summer)
        {"Australia/Sydney", 2161497600, 36000, false},    // 2038-06-30
        {"America/New_York", 2216851200, -14400, true},    // 2040-04-01
        {"Africa/Monrovia", 31536000, -2670, false},       // 1971-01-01: -0:44:30
        {"Europe/Dublin", 1736000000, 0, false},           // January 2025: winter is standard
        {"Europe/Dublin", 1752000000, 3600, true},         // July 2025
        {"Antarctica/Troll", 1719792000, 7200, true},      // July 2024: two hours
        {"Australia/Lord_Howe", 1736000000, 39600, true},  // half an hour of summer time
        {"Pacific/Apia", 1275393600, -39600, false},       // 2010-06-01, before the date line moved
        {"Pacific/Apia", 1338465600, 46800, false},        // 2012-06-01, after it
        {"Asia/Almaty", 1688169600, 21600, false},         // 2023-07-01: +6 then
        {"Asia/Almaty", 1719792000, 18000, false},         // 2024-07-01: +5 now
    };
    for (const Case& c : cases) {
        const Zone zone = zoneNamed(c.zone);
        EXPECT_EQ(zone.offsetAt(unix(c.unixSeconds)).count(), c.offsetSeconds)
            << c.zone << " " << c.unixSeconds;
        EXPECT_EQ(zone.isSummerAt(unix(c.unixSeconds)), c.summer) << c.zone << " " << c.unixSeconds;
    }
}

TEST(Zone, TheDayStartsAtTheFirstInstantTheClockReadsItsMidnight) {
    // Godthab: the clock moves from -2 to -1 at 01:00 UTC on 31 March 2024, when it read 23:00
    // of the 30th; the 31st begins right then, at 00:00 -01:00.
    const Zone nuuk = zoneNamed("America/Nuuk");
    EXPECT_EQ(nuuk.startOfDay(test::civil(2024, 3, 31)), unix(1711846800));
    // London 2024-03-31 01:00 does not exist: 01:30 is read first at the change, 01:00 UTC.
    const Zone london = zoneNamed("Europe/London");
    const LocalTime skipped = localMidnightOf(test::civil(2024, 3, 31)) + Seconds{5400.0L};
    EXPECT_EQ(london.firstInstantReading(skipped), unix(1711846800));
    // 2024-10-27 01:30 is read twice: first in summer time, at 00:30 UTC.
    const LocalTime twice = localMidnightOf(test::civil(2024, 10, 27)) + Seconds{5400.0L};
    EXPECT_EQ(london.firstInstantReading(twice), unix(1729989000));
    // A rule code starting on a day at 00:00 skips that midnight: the day starts at the change.
    const Zone codes = Zone::ofRule(ruleOfCodes(1.0f, 834, 2626));
    EXPECT_EQ(codes.startOfDay(test::civil(2026, 3, 29)), unix(1774738800));  // 23:00 UTC 28th
}

TEST(Zone, RuleCodesKeepOneHourFromTheStartDayToTheEndDay) {
    // "2nd Sunday of March" (831) is the second Sunday: 14 March 2027, not the 7th.
    const Zone us = Zone::ofRule(ruleOfCodes(-5.0f, 831, 2878));
    const LocalTime march13 = localMidnightOf(test::civil(2027, 3, 13)) + Seconds{43200.0L};
    const LocalTime march14 = localMidnightOf(test::civil(2027, 3, 14)) + Seconds{43200.0L};
    EXPECT_FALSE(us.isSummerAt(us.firstInstantReading(march13)));
    EXPECT_TRUE(us.isSummerAt(us.firstInstantReading(march14)));
    // Codes outside the model, or both in one month, give no summer time.
    EXPECT_FALSE(ruleOfCodes(3.0f, 0, 2626).summer.has_value());
    EXPECT_FALSE(ruleOfCodes(3.0f, 834, 800).summer.has_value());
    EXPECT_FALSE(ruleOfCodes(3.0f, 13 * 256 + 1, 2626).summer.has_value());
}

TEST(ClockRule, ReadsPosixTzStrings) {
    const std::optional<ClockRule> london = parseClockRule("GMT0BST,M3.5.0/1,M10.5.0");
    ASSERT_TRUE(london && london->summer);
    EXPECT_EQ(london->standardOffset.count(), 0);
    EXPECT_EQ(london->summer->offset.count(), 3600);
    // Negative clock hours of a change (Greenland's "<-02>2<-01>,M3.5.0/-1,M10.5.0/0").
    const std::optional<ClockRule> nuuk = parseClockRule("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    ASSERT_TRUE(nuuk && nuuk->summer);
    EXPECT_EQ(nuuk->summer->startClock.count(), -3600);
    // A negative saving is read as winter standard time.
    const std::optional<ClockRule> dublin = parseClockRule("IST-1GMT0,M10.5.0,M3.5.0/1");
    ASSERT_TRUE(dublin && dublin->summer);
    EXPECT_EQ(dublin->standardOffset.count(), 0);
    EXPECT_EQ(dublin->summer->offset.count(), 3600);
    EXPECT_EQ(parseClockRule("<+13>-13")->standardOffset.count(), 13 * 3600);
    for (const char* bad : {"", "G0", "GMT", "GMT0BST,M13.1.0,M10.5.0", "GMT0BST,M3.5.0",
                            "GMT0BST,M3.5.0/1,J0", "<+13-13", "EST5EDT,M3.2.0,M11.1.0/999"}) {
        EXPECT_FALSE(parseClockRule(bad).has_value()) << bad;
    }
}

class ZoneFiles : public test::InFreshDirectory {};

TEST_F(ZoneFiles, AZoneThatCannotBeReadIsAnErrorNeverAnotherClock) {
    std::filesystem::create_directories(dir_ / "Test");
    std::ofstream(dir_ / "Test/Empty");
    std::ofstream(dir_ / "Test/Truncated") << std::string("TZif2", 5) << std::string(30, '\0');
    const std::filesystem::path london = "/usr/share/zoneinfo/Europe/London";
    std::filesystem::copy_file(london, dir_ / "Test/Copy");
    std::filesystem::resize_file(dir_ / "Test/Copy", std::filesystem::file_size(london) - 20);
    const test::ScopedEnv tzdir("TZDIR", dir_.string());
    EXPECT_EQ(findZone("Test/Empty").error, ZoneError::unreadable);
    EXPECT_EQ(findZone("Test/Truncated").error, ZoneError::unreadable);
    EXPECT_EQ(findZone("Test/Copy").error, ZoneError::unreadable);  // footer cut off
    EXPECT_EQ(findZone("Test/Missing").error, ZoneError::unknown);
    for (const char* name : {"../Test/Empty", "/etc/passwd", "Test//Empty", "", "Test/"}) {
        EXPECT_EQ(findZone(name).error, ZoneError::badName) << name;
    }
    Location place = test::clockPlace(3.0f, 0, 0, "Test/Empty");
    EXPECT_FALSE(zoneOfPlace(place).zone.has_value());
}

}  // namespace
}  // namespace kelmo
