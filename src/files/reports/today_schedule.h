// Today at a place, as the main window shows it: the place's civil date at the present moment
// with its Hijri date, the day's prayer events, and the next prayer of the school of law (the
// background Timer's search) with the instant it begins.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/instant.h"
#include "calendar/zone.h"
#include "prayer/day_prayers.h"

namespace kelmo {

struct TodaySchedule {
    CalendarDate date;   // the place's civil date now (whole day); Hijri fields when hijriValid
    DayPrayers prayers;  // the day's nine prayer events
    int nextSlot = -1;   // slot of the next prayer (today or tomorrow), -1 when none is found
    bool nextIsTomorrow = false;
    Instant nextAt{};  // when it begins
    Instant made{};    // the instant the schedule was made for
    Instant dayEnd{};  // when the place's next civil day begins
};

// Today's schedule at location, on zone's clock (the place's), for the instant now.
TodaySchedule todaySchedule(const Location& location, const Zone& zone, const Config& config,
                            Instant now);

// True while the schedule still describes now: from the instant it was made for until its
// next prayer begins or the place's day ends, whichever comes first. A clock set back before
// that instant, a new day or a prayer that has begun make it stale.
bool isCurrent(const TodaySchedule& schedule, Instant now);

// Seconds from now until the next prayer begins: negative once it has begun, 0 when the
// schedule has no next prayer.
double secondsUntilNext(const TodaySchedule& schedule, Instant now);

}  // namespace kelmo
