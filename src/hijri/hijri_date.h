// Hijri dates by the calendar config.hijriCalendar chooses: the one decided by the visibility of
// the new crescent at a place (here; the tabular calendar, calendar/tabular_hijri.h, names its
// years and months), or one fixed in advance, Umm al-Qura or tabular (hijri/fixed_hijri.h).
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/tabular_hijri.h"

namespace kelmo {

class LunationMemo;
struct MoonSunsetData;

// moonDataAtSunset for the new moon after date at location or, where it has no qualifying
// evening there (polar day or night), 2, 4, ... degrees nearer the equator, at most at the
// equator itself: the evening by which the months are decided. Returns 1, or 0 when no
// latitude gave one.
int crescentEvening(const CalendarDate& date, Location location, const Config& config,
                    MoonSunsetData& data);

// Sets the Hijri fields of date from its civil date (shifted by config.hijriAdjust days) by the
// calendar of config; for the crescent calendar: the
// month containing the day starts on the day after the evening on which the new crescent is
// judged visible at location (moonDataAtSunset). Where no such evening exists (polar day or
// night) the search is repeated 2, 4, ... degrees nearer the equator, at most down to the
// equator itself. Returns 1 with hijriValid = 1; 0 with hijriValid = 0 and the Hijri fields
// unchanged when the date lies before the epoch or no latitude gave an evening;
// kHijriOutsideCalendar outside the years of the chosen calendar.
int hijriFromDate(CalendarDate& date, Location location, const Config& config);

// The same for runs of dates at one place: the Moon's result of each lunation is kept in memo
// (see moon/lunation_memo.h). The same Hijri fields and return value bit for bit.
int hijriFromDate(CalendarDate& date, Location location, const Config& config, LunationMemo& memo);

// The months of a Hijri year and the days of its longest month, in every calendar.
inline constexpr int kMonthsPerHijriYear = 12;
inline constexpr double kLongestMonthDays = 30.0;

// dateFromHijri's answer for a day past the end of its month (the 30th of a 29-day month).
inline constexpr int kHijriDayBeyondMonth = 2;
// The answer of both directions for a date outside the years of the chosen calendar (Umm
// al-Qura: 1300..1600 AH).
inline constexpr int kHijriOutsideCalendar = 3;

// Sets the civil fields of date (year, month, day and the time fields) from its Hijri fields by
// the calendar of config (the fixed calendars: hijri/fixed_hijri.h); for the crescent, the exact
// inverse of hijriFromDate at the same place and settings: the first day of the
// month by the same crescent decision, plus the day - 1. Returns 1; kHijriDayBeyondMonth when
// the month has fewer days; 0 when the month cannot be decided there. The civil fields are
// unchanged unless 1 is returned.
int dateFromHijri(CalendarDate& date, const Location& location, const Config& config);

// The same with the lunations kept in memo, as hijriFromDate with a memo.
int dateFromHijri(CalendarDate& date, const Location& location, const Config& config,
                  LunationMemo& memo);

}  // namespace kelmo
