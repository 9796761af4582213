#include "calendar/zone_rules.h"

#include <gtest/gtest.h>

#include "calendar/time_zone_database.h"

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
    const std::vector<ZoneClock> kathmandu = *zoneClocksOfYear("Asia/Kathmandu", 2026);
    ASSERT_EQ(kathmandu.size(), 365u);
    EXPECT_EQ(kathmandu.front().offsetMinutes, 345);
    EXPECT_FALSE(kathmandu.front().daylightSaving);
    EXPECT_TRUE((*zoneClocksOfYear("Europe/Paris", 2026))[181].daylightSaving);  // 1 July
    EXPECT_FALSE(zoneClocksOfYear("Nowhere/Atlantis", 2026).has_value());
}

}  // namespace
}  // namespace kelmo
