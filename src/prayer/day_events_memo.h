// Widened event tables of one place and settings kept by date, for runs of days (a month or a
// year of times, the Timer's today and tomorrow): the high-latitude rules that look at other
// days (a seventh of the night, the nearest day) ask for the same days again and again.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "prayer/event_table.h"

namespace kelmo {

class DayEventsMemo {
  public:
    // dayEvents(date, location, config), computed once per civil date while the place and the
    // settings that the table depends on stay the same (any change empties the memo).
    const EventTable& dayEvents(const CalendarDate& date, const Location& location,
                                const Config& config);

    // pointEvents (the location's own point, not widened), kept the same way.
    const EventTable& pointEvents(const CalendarDate& date, const Location& location,
                                  const Config& config);

    // True when dayEvents of date is kept (for the same place and settings).
    bool holds(const CalendarDate& date, const Location& location, const Config& config) const;

    std::size_t size() const { return tables_.size(); }

  private:
    using Tables = std::unordered_map<std::int64_t, EventTable>;  // by Julian day number
    static constexpr std::size_t kMaxKept = 4096;                 // emptied when full

    bool madeFor(const Location& location, const Config& config) const;
    // The map for the place and settings, emptied first when they changed or it is full.
    Tables& tablesFor(Tables& tables, const Location& location, const Config& config);

    Location location_;
    Config config_;
    Tables tables_;
    Tables points_;
};

}  // namespace kelmo
