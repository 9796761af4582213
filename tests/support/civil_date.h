// Calendar days shared by tests and benchmarks.
#pragma once

#include "calendar/calendar_date.h"
#include "calendar/julian_day.h"

namespace kelmo::test {

// The civil day year-month-day (its start, no Hijri date).
inline CalendarDate civil(int year, int month, int day) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

}  // namespace kelmo::test
