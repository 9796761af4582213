// A place's clock: which offset from Universal Time it keeps at every instant. One type for
// the zones of the tz database (their listed history and the yearly rule after it), the
// summer-time rule codes of a place, a fixed offset and the computer's own zone, so that every
// time shown is converted by the offset in force at its own instant.
#pragma once

#include <memory>
#include <string>

#include "calendar/clock_rule.h"
#include "calendar/tzif_file.h"

namespace kelmo {

class Zone {
  public:
    // A clock that keeps one offset east of Greenwich.
    static Zone fixed(Seconds offset);
    // A clock kept by a yearly rule alone.
    static Zone ofRule(const ClockRule& rule);
    // A zone of the tz database by its name and the history its file gives.
    static Zone ofHistory(std::string name, ZoneHistory history);

    // The offset east of Greenwich in force at t, summer time included.
    Seconds offsetAt(Instant t) const;
    // True when the clock keeps summer time at t.
    bool isSummerAt(Instant t) const;
    // The offset of the clock's standard time at t: the offset itself outside summer time (and
    // outside a time set back below standard), else that of the standard time before it (or
    // after it, when none came before).
    Seconds standardOffsetAt(Instant t) const;

    // The clock's reading at t.
    LocalTime toLocal(Instant t) const { return LocalTime{t.time_since_epoch() + offsetAt(t)}; }
    // The first instant at which the clock reads reading or later: the start of a civil day
    // is its midnight, or the change that skipped the midnight.
    Instant firstInstantReading(LocalTime reading) const;
    // firstInstantReading of 0h of a civil date.
    Instant startOfDay(const CalendarDate& date) const;
    // firstInstantReading of 12h of a civil date: the instant that stands for the whole day
    // where a day has one clock (its standard and summer time, its offset).
    Instant noonOf(const CalendarDate& date) const;

    // The tz database's name of the zone, empty for the others.
    const std::string& name() const;

  private:
    struct Data;
    explicit Zone(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
    // The clock type at t from the history, or none when the rule holds.
    const ClockType* listedTypeAt(Instant t) const;
    std::shared_ptr<const Data> data_;
};

}  // namespace kelmo
