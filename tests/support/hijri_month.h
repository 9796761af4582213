// The first day of a Hijri month with its civil date, shared by tests.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "hijri/hijri_date.h"

namespace kelmo::test {

// 1 month year AH with the civil fields dateFromHijri gives at location with config; its
// answer (1 when the civil date was found) goes to *answer when asked for.
inline CalendarDate firstOfHijriMonth(int year, int month, const Location& location,
                                      const Config& config, int* answer = nullptr) {
    CalendarDate date;
    date.hijriYear = year;
    date.hijriMonth = month;
    date.hijriDay = 1;
    date.hijriValid = 1;
    const int found = dateFromHijri(date, location, config);
    if (answer) *answer = found;
    return date;
}

}  // namespace kelmo::test
