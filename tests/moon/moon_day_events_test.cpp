// The Moon's events of a civil day: from the clock's midnight to the next, each event on
// exactly one day. The cases are those where the rows of one day each (the solver's day in
// zone time) showed an event on two days, on none, or on the day before in summer time.
#include "moon/moon_day_events.h"

#include <gtest/gtest.h>

#include "calendar/julian_day.h"
#include "support/civil_date.h"
#include "support/places.h"

namespace kelmo {
namespace {

using test::civil;

enum Kind { kRise, kSet };

std::optional<Instant> eventOf(const MoonDayEvents& e, Kind kind) {
    return (kind == kRise ? e.rise : e.set).instant();
}

TEST(MoonDayEvents, AnEventNearMidnightBelongsToExactlyOneDay) {
    struct Case {
        Location place;
        CalendarDate before;  // the event lies near the midnight after this day
        Kind kind;
    };
    Location london = test::builtInPlace("London,Uk");
    const Case cases[] = {
        {test::place(21.0, 0.0, 0.0), civil(2025, 4, 3), kSet},         // 23:59:56 / 00:00:01
        {test::place(60.0, -150.0, -10.0), civil(2025, 8, 19), kRise},  // 23:59:55, on no row
        {london, civil(2025, 6, 14), kRise},                            // 00:10:51 BST
    };
    for (const Case& c : cases) {
        const Zone zone = test::zoneOf(c.place);
        const CalendarDate after = daysLater(c.before, 1);
        const Instant midnight = zone.startOfDay(after);
        int found = 0;
        for (const CalendarDate& day : {c.before, after}) {
            const std::optional<Instant> t =
                eventOf(moonDayEvents(day, c.place, zone, Config{}), c.kind);
            if (!t) continue;
            const Instant start = zone.startOfDay(day);
            EXPECT_TRUE(*t >= start && *t < zone.startOfDay(daysLater(day, 1))) << day.day;
            if (*t > midnight - Seconds{3600.0L} && *t < midnight + Seconds{3600.0L}) ++found;
        }
        EXPECT_EQ(found, 1) << c.before.year << "-" << c.before.month << "-" << c.before.day;
    }
}

}  // namespace
}  // namespace kelmo
