// Today at a place, as the main window shows it: the place's civil date at the present moment
// with its Hijri date, the day's prayer times on the place's clock, and the next prayer of the
// school of law (the background Timer's search) with the moment it begins.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/local_time.h"
#include "prayer/prayer_times.h"

namespace kelmo {

struct TodaySchedule {
    CalendarDate date;  // the place's civil date now (whole day); Hijri fields when hijriValid
    PrayerTimes times;  // the day's nine times on the place's clock, summer time included
    int nextSlot = -1;  // slot of the next prayer (today or tomorrow), -1 when none is found
    bool nextIsTomorrow = false;
    double nextTime = 0.0;           // its time of day on its own day, radians
    double nextJulianDayUt = 0.0;    // the moment it begins, Julian day in Universal Time
    double madeJulianDayUt = 0.0;    // the moment the schedule was made for
    double dayEndJulianDayUt = 0.0;  // the moment the place's day ends (its next midnight)
};

// Today's schedule at location for the moment now.
TodaySchedule todaySchedule(const Location& location, const Config& config, const UtcTime& now);

// The Julian day in Universal Time of a moment of the clock.
double julianDayOfUtc(const UtcTime& now);

// True while the schedule still describes now: from the moment it was made for until its
// next prayer begins or the place's day ends, whichever comes first. A clock set back before
// that moment, a new day or a prayer that has begun make it stale.
bool isCurrent(const TodaySchedule& schedule, const UtcTime& now);

// Seconds from now until the next prayer begins: negative once it has begun, 0 when the
// schedule has no next prayer.
double secondsUntilNext(const TodaySchedule& schedule, const UtcTime& now);

}  // namespace kelmo
