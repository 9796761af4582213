// Hijri dates by the calendars fixed in advance (Config::hijriCalendar ummAlQura and tabular):
// the same day everywhere, so no place is needed. Both shift by config.hijriAdjust days as the
// crescent calendar does.
#pragma once

#include "base/config.h"
#include "calendar/calendar_date.h"

namespace kelmo {

// Sets the Hijri fields of date from its civil day. Returns 1 with hijriValid = 1; 0 before
// the epoch of the tabular calendar; kHijriOutsideCalendar (hijri/hijri_date.h) outside the
// years of Umm al-Qura. hijriValid = 0 and the Hijri fields unchanged unless 1 is returned.
int fixedHijriFromDate(CalendarDate& date, const Config& config);

// Sets the civil fields of date from its Hijri fields. Returns 1; kHijriDayBeyondMonth for a
// day past the end of its month; kHijriOutsideCalendar outside the years of Umm al-Qura; 0 for
// a month outside 1..12 or a year before 1. The civil fields are unchanged unless 1 is returned.
int fixedDateFromHijri(CalendarDate& date, const Config& config);

}  // namespace kelmo
