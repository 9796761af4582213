// Every time the schedule shows is the clock reading at its event: at every built-in place,
// every day of 2024-2027 and of 2038-2039, the shown time less the event's instant is the
// offset Python's zoneinfo gives for that instant (tools/gen_zone_reference.py), so no time is
// shown in the clock of another moment, in an hour the clock skips, or without summer time
// after 2037.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calendar/place_zone.h"
#include "files/reports/prayer_report.h"
#include "files/settings/default_locations.h"
#include "files/settings/location_database.h"
#include "support/civil_date.h"

namespace kelmo {
namespace {

using Changes = std::vector<std::pair<long long, long>>;  // unix seconds, offset from then on

const std::map<std::string, Changes>& referenceOffsets() {
    static const std::map<std::string, Changes> table = {
#include "calendar/zone_offsets_reference.inc"
    };
    return table;
}

long referenceOffset(const Changes& changes, Instant t) {
    const long double unix = t.time_since_epoch().count();
    long offset = changes.front().second;
    for (const auto& [from, value] : changes) {
        if (static_cast<long double>(from) <= unix) offset = value;
    }
    return offset;
}

TEST(ClockScan, EveryShownTimeIsTheClockReadingOfItsInstant) {
    std::vector<Location> places;
    ASSERT_EQ(locationsFromText(defaultConfigText(), places), 0);
    Config config;
    config.fiqh = 1;  // Asr and Isha shown too
    int checked = 0;
    for (const Location& place : places) {
        if (place.zone.empty()) continue;
        const auto reference = referenceOffsets().find(place.zone);
        ASSERT_NE(reference, referenceOffsets().end()) << place.zone;
        const Zone zone = *zoneOfPlace(place).zone;
        for (const int firstYear : {2024, 2038}) {
            DayEventsMemo memo;
            const int years = firstYear == 2024 ? 4 : 2;
            CalendarDate day = test::civil(firstYear, 1, 1);
            for (; day.year < firstYear + years; day = daysLater(day, 1)) {
                const ScheduleDay row =
                    scheduleDay(day, dayPrayers(day, place, zone, config, memo), zone);
                for (std::size_t i = 0; i < kPrayerSlotCount; ++i) {
                    const std::optional<Instant> t = row.prayers.slots[i].instant();
                    if (!t) continue;
                    const long double shownMinusInstant =
                        (localMidnightOf(day) + Seconds{row.shown[i].seconds})
                            .time_since_epoch()
                            .count() -
                        t->time_since_epoch().count();
                    ASSERT_NEAR(static_cast<double>(shownMinusInstant),
                                static_cast<double>(referenceOffset(reference->second, *t)), 1.0)
                        << place.name << " " << day.year << "-" << day.month << "-" << day.day
                        << " slot " << i;
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 2000000);
}

}  // namespace
}  // namespace kelmo
