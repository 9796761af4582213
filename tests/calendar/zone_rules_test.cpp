#include "calendar/zone_rules.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>

#include "calendar/time_zone_database.h"
#include "support/scoped_env.h"

namespace kelmo {
namespace {

// Reference: the IANA tz database as installed (tzdata), whose present law is: US and Canada
// second Sunday of March to first Sunday of November; the European Union last Sunday of March
// to last Sunday of October; Australia's south-east first Sunday of October to first Sunday
// of April; Egypt (since 2023) last Friday of April to last Thursday of October; no summer
// time in Russia, Iran or Kazakhstan; Lord Howe half an hour.
TEST(FixedRulesOfZone, TodaysLawInTheRuleModel) {
    struct Case {
        const char* zone;
        float timeZone;
        int dstStart, dstEnd;
        bool changes;
    };
    for (const Case& c :
         {Case{"America/New_York", -5.0f, 3 * 256 + 63, 11 * 256 + 62, true},
          Case{"Europe/London", 0.0f, 834, 2626, true},
          Case{"Europe/Berlin", 1.0f, 834, 2626, true},
          Case{"Europe/Dublin", 0.0f, 834, 2626, true},
          Case{"Australia/Sydney", 10.0f, 10 * 256 + 62, 4 * 256 + 62, true},
          // Egypt since 2023: last Friday of April to the day after the last Thursday of
          // October, which is the last Friday in 2026.
          Case{"Africa/Cairo", 2.0f, 4 * 256 + 56, 10 * 256 + 56, true},
          Case{"Europe/Moscow", 3.0f, 0, 0, false}, Case{"Asia/Tehran", 3.5f, 0, 0, false},
          Case{"Asia/Almaty", 5.0f, 0, 0, false}, Case{"Asia/Kathmandu", 5.75f, 0, 0, false}}) {
        const FixedZoneRules r = fixedRulesOfZone(c.zone, 2026);
        EXPECT_TRUE(r.known) << c.zone;
        EXPECT_EQ(r.timeZone, c.timeZone) << c.zone;
        EXPECT_EQ(r.dstStart, c.dstStart) << c.zone;
        EXPECT_EQ(r.dstEnd, c.dstEnd) << c.zone;
        EXPECT_EQ(r.changes, c.changes) << c.zone;
    }
}

// Years the rule model cannot express: the codes are 0 and the zone time is the offset of
// most days.
TEST(FixedRulesOfZone, LawsOutsideTheRuleModel) {
    // Half an hour of summer time.
    const FixedZoneRules lordHowe = fixedRulesOfZone("Australia/Lord_Howe", 2026);
    EXPECT_TRUE(lordHowe.changes);
    EXPECT_EQ(lordHowe.dstStart, 0);
    // The one-off change of Almaty's zone time in 2024 is no summer time.
    const FixedZoneRules almaty = fixedRulesOfZone("Asia/Almaty", 2024);
    EXPECT_TRUE(almaty.changes);
    EXPECT_EQ(almaty.dstStart, 0);
    EXPECT_EQ(almaty.timeZone, 5.0f);
    // Morocco: UTC+1 but UTC+0 during Ramadan.
    const FixedZoneRules casablanca = fixedRulesOfZone("Africa/Casablanca", 2026);
    EXPECT_EQ(casablanca.timeZone, 1.0f);
    EXPECT_EQ(casablanca.dstStart, 0);
    EXPECT_FALSE(fixedRulesOfZone("Nowhere/Atlantis", 2026).known);
}

TEST(TimeZoneDatabase, NamesAndOffsets) {
    const std::vector<std::string> names = zoneNames();
    EXPECT_GT(names.size(), 300u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_TRUE(isKnownZone("Europe/London"));
    EXPECT_FALSE(isKnownZone(""));
    EXPECT_FALSE(isKnownZone("Europe/Atlantis"));
    EXPECT_EQ(zoneClockAtNoon("Asia/Kathmandu", 2026, 1, 1)->offsetMinutes, 345);
    EXPECT_FALSE(zoneClockAtNoon("Asia/Kathmandu", 2026, 1, 1)->daylightSaving);
    EXPECT_TRUE(zoneClockAtNoon("Europe/Paris", 2026, 7, 1)->daylightSaving);
    EXPECT_FALSE(zoneClockAtNoon("Asia/Kathmandu", 2026, 2, 30).has_value());
    EXPECT_FALSE(zoneClockAtNoon("Nowhere/Atlantis", 2026, 1, 1).has_value());
    EXPECT_FALSE(zoneClockAtNoon("../zoneinfo/Europe/Paris", 2026, 1, 1).has_value());
    EXPECT_FALSE(zoneClockAtNoon("/usr/share/zoneinfo/Europe/Paris", 2026, 1, 1).has_value());
}

// Reference: the C library's reading of the same zone file (TZ=":<zone>", mktime at local
// noon), for every zone of the list: before its transitions (1900), among them (2026) and
// after the last one, where the rule of the file's footer holds (2050, 2200).
TEST(TimeZoneDatabase, EveryZoneAsTheCLibraryReadsIt) {
    auto keep = std::make_unique<test::ScopedEnv>("TZ");
    for (const std::string& zone : zoneNames()) {
        keep->set((":" + zone).c_str());
        ::tzset();
        for (const auto& [year, month] :
             {std::pair{1900, 7}, {2026, 1}, {2026, 7}, {2050, 7}, {2200, 1}, {2200, 7}}) {
            std::tm noon{};
            noon.tm_year = year - 1900;
            noon.tm_mon = month - 1;
            noon.tm_mday = 15;
            noon.tm_hour = 12;
            noon.tm_isdst = -1;
            ASSERT_NE(std::mktime(&noon), -1) << zone;
            const std::optional<ZoneClock> clock = zoneClockAtNoon(zone, year, month, 15);
            ASSERT_TRUE(clock.has_value()) << zone;
            EXPECT_EQ(clock->offsetMinutes, noon.tm_gmtoff / 60) << zone << " " << year << month;
            EXPECT_EQ(clock->daylightSaving, noon.tm_isdst > 0) << zone << " " << year << month;
        }
    }
    keep.reset();  // the former TZ, read again by the C library
    ::tzset();
}

}  // namespace
}  // namespace kelmo
