// The arithmetic (tabular) Islamic calendar: it names the years and months of the months
// that the crescent decides, and gives the first guess when converting back.
#pragma once

#include "calendar/calendar_date.h"

namespace kelmo {

// Julian day of 1 Muharram of year 1 in the tabular day-number formulas.
inline constexpr double kHijriEpoch = 1948440.0;

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
