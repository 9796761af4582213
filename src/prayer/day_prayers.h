// The prayer times of a civil day as events: the instants at which they happen, found in the
// solver's frame of that day and read on any clock afterwards.
#pragma once

#include <array>

#include "base/config.h"
#include "base/location.h"
#include "calendar/day_frame.h"
#include "calendar/event.h"
#include "calendar/zone.h"
#include "prayer/day_events_memo.h"
#include "prayer/prayer_times.h"

namespace kelmo {

struct DayPrayers {
    std::array<Event, kPrayerSlotCount> slots{};

    const Event& operator[](PrayerSlot s) const { return slots[static_cast<std::size_t>(s)]; }
};

// The nine prayer events of the civil date at location on zone's clock, with the configured
// corrections (see computeDayTimes).
DayPrayers dayPrayers(const CalendarDate& date, const Location& location, const Zone& zone,
                      const Config& config);
DayPrayers dayPrayers(const CalendarDate& date, const Location& location, const Zone& zone,
                      const Config& config, DayEventsMemo& memo);

}  // namespace kelmo
