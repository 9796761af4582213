// Julian day of a civil date and back, and the calendar facts built on it.
// Dates up to 4 October 1582 are Julian, from 15 October 1582 Gregorian.
// Source: J. Meeus, Astronomical Algorithms, 2nd ed. (1998), chapter 7.
#pragma once

#include "calendar/calendar_date.h"

namespace kelmo {

inline constexpr double kJ2000 = 2451545.0;  // Julian day of 2000-01-01 12h TT
inline constexpr double kDaysPerJulianYear = 365.25;
inline constexpr double kDaysPerCentury = 100.0 * kDaysPerJulianYear;

// Julian day of year, month and day (the fraction of day included).
double julianDay(const CalendarDate& date);

// Sets year, month, day (with fraction) and hour, minute, second (truncated) from jd;
// the Hijri fields are left as they are.
void dateFromJulianDay(double jd, CalendarDate& date);

// The civil date days later (earlier when negative) as an integer day; the Hijri fields are
// left as they are.
CalendarDate daysLater(const CalendarDate& date, int days);

// Julian centuries since J2000.0.
double centuriesSinceJ2000(double jd);

// 1 = Monday .. 7 = Sunday.
int weekday(double jd);

// Julian leap rule up to 1582, Gregorian after; negative years follow the same rule.
bool isLeapYear(int year);

// Days in a month of a year (1 .. 12).
int daysInMonth(int year, int month);

// With hijri false checks the civil fields (month assumed 1..12), else the Hijri fields.
bool isValidDate(const CalendarDate& date, bool hijri);

}  // namespace kelmo
