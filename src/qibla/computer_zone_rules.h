// The computer's time-zone setting turned into the program's own zone and summer-time rule
// codes (see calendar/summer_time.h), for the moment "now" of the computer's clock.
#pragma once

#include "calendar/local_time.h"

namespace kelmo {

// One transition date of a time-zone setting: either a yearly rule ("the n-th weekday of the
// month") or a fixed date of one year.
struct ZoneTransition {
    int year = 0;       // 0: a yearly rule; otherwise the year of a fixed date
    int month = 0;      // 1 .. 12; 0 when the zone has no summer time
    int dayOfWeek = 0;  // yearly rule: 0 Sunday .. 6 Saturday
    int day = 0;        // yearly rule: week of the month 1 .. 5 (5 = last); fixed: day of month
};

// A time-zone setting: standard offset and the two transitions of summer time.
struct ZoneSetting {
    int biasMinutes = 0;          // minutes WEST of Greenwich: UT = local standard time + bias
    ZoneTransition standardDate;  // back to standard time (summer time ends)
    ZoneTransition daylightDate;  // to summer time (summer time starts)
};

// Zone and summer-time rules in the form a Location holds them.
struct ZoneRules {
    float timeZone = 0.0f;  // hours east of Greenwich
    int dstStart = 0;       // rule codes, 0 = no summer time
    int dstEnd = 0;
};

// The time-zone setting as zone rules: timeZone = -bias / 60; codes month * 256 + day code,
// the day code 31 + 5 w + n for a yearly rule (w: Monday 0 .. Sunday 6, n the week of the
// month) and the day of the month for a fixed date; both 0 when the standard-time transition
// has no month. The hour of a transition and the size of the summer-time shift are not kept
// (summer time is one hour from 00:00).
ZoneRules ComputerZoneRules(const ZoneSetting& setting);

// The computer's clock and time-zone setting at the present moment, as the platform reads them.
struct ComputerTime {
    UtcTime now;     // the present moment in Universal Time
    ZoneRules zone;  // the computer's zone and summer-time rules
};

// The computer's local civil date with the time of day as the fraction of its day, by the
// computer's zone rules.
CalendarDate computerLocalNow(const ComputerTime& computer);

}  // namespace kelmo
