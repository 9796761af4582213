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

    std::size_t size() const { return tables_.size(); }

  private:
    static constexpr std::size_t kMaxKept = 4096;  // emptied when full
    bool madeFor(const Location& location, const Config& config) const;

    Location location_;
    Config config_;
    std::unordered_map<std::int64_t, EventTable> tables_;  // by Julian day number
};

}  // namespace kelmo
