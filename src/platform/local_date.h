// The computer's local civil date at a moment, by the system's time-zone setting (the TZ
// variable or /etc/localtime), as the program's "today".
#pragma once

#include "calendar/calendar_date.h"
#include "platform/clock.h"

namespace kelmo::platform {

// The local date of the clock's present moment: year, month and the whole day; the Hijri
// fields are left at their defaults.
CalendarDate localToday(const Clock& clock);

}  // namespace kelmo::platform
