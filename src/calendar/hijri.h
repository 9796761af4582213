// The Islamic (Hijri) calendar decided by the visibility of the new crescent at a place, and
// the arithmetic (tabular) Islamic calendar that names its years and months.
#pragma once

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"

namespace kelmo {

class LunationMemo;

// Julian day of 1 Muharram of year 1 in the tabular day-number formulas.
inline constexpr double kHijriEpoch = 1948440.0;

// Sets the Hijri fields of date from its civil date (shifted by config.hijriAdjust days): the
// month containing the day starts on the day after the evening on which the new crescent is
// judged visible at location (moonDataAtSunset). Where no such evening exists (polar day or
// night) the search is repeated 2, 4, ... degrees nearer the equator, at most down to the
// equator itself. Returns 1 with hijriValid = 1; 0 with hijriValid = 0 and the Hijri fields
// unchanged when the date lies before the epoch or no latitude gave an evening.
int hijriFromDate(CalendarDate& date, Location location, const Config& config);

// The same for runs of dates at one place: the Moon's result of each lunation is kept in memo
// (see moon/lunation_memo.h). The same Hijri fields and return value bit for bit.
int hijriFromDate(CalendarDate& date, Location location, const Config& config, LunationMemo& memo);

// Sets the civil fields of date (year, month, day and the time fields) from its Hijri fields:
// the tabular date corrected by the tabular-minus-observed difference found there.
// Returns 1, or 0 (civil fields unchanged) when hijriFromDate fails on the way.
int dateFromHijri(CalendarDate& date, const Location& location, const Config& config);

// The same with the lunations kept in memo, as hijriFromDate with a memo.
int dateFromHijri(CalendarDate& date, const Location& location, const Config& config,
                  LunationMemo& memo);

// Tabular day number of Hijri (y, m, d), integer form: ceil((m - 1) 29.5) + d + 354 (y - 1)
// + (11 y + 3) / 30 (integer division) + 1948439.
long hijriDayNumber(int year, int month, int day);

// Tabular day number, real form: floor((m - 1) 29.5 + d + 354 (y - 1) + (11 y + 3) / 30
// + 1948439) + 0.5, ending in .5 (midnight starting the day).
double hijriDayNumberReal(int year, int month, double day);

// Sets hijriYear, hijriMonth (kept within 1..12) and hijriDay of the tabular calendar from
// the integer day number n; returns the day number of the first day of that month.
long hijriFromDayNumber(long n, CalendarDate& date);

// The same from a real day number x with the real form; returns the real day number of the
// first day of that month.
double hijriFromDayNumberReal(double x, CalendarDate& date);

}  // namespace kelmo
