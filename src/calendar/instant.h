// Instants of time and readings of a clock, as distinct types: an Instant is a moment in
// Universal Time, a LocalTime what a place's clock reads at some moment. Only a Zone (zone.h)
// turns one into the other, so a clock reading can never be taken for an instant by mistake.
//
// Both count seconds in long double: events from 2000 BC to AD 6000 keep their place to well
// under a microsecond, so converting a time of the day to an instant and back changes none of
// its printed digits.
#pragma once

#include <chrono>

#include "calendar/calendar_date.h"

namespace kelmo {

using Seconds = std::chrono::duration<long double>;
using Instant = std::chrono::sys_time<Seconds>;      // Universal Time
using LocalTime = std::chrono::local_time<Seconds>;  // a clock's reading

inline constexpr long double kSecondsPerDayL = 86400.0L;
// Julian day of the Unix epoch, 1970-01-01 0h, the origin of both clocks.
inline constexpr double kUnixEpochJulianDay = 2440587.5;

// The instant of a Julian day of Universal Time.
Instant instantOfJulianDay(double jdUt);

// The Julian day of Universal Time of an instant.
double julianDayOf(Instant t);

// The clock reading of 0h of a civil date (integer day; Julian calendar up to 4 October 1582,
// Gregorian after).
LocalTime localMidnightOf(const CalendarDate& date);

// A clock reading split into its civil date (Hijri fields untouched, integer day) and the
// seconds since that date's midnight, in [0, 86400).
struct ClockReading {
    CalendarDate date;
    long double secondsOfDay = 0.0L;
};
ClockReading splitLocalTime(LocalTime t);

// Whole civil days from the date a to the date b (positive when b is later).
int daysBetween(const CalendarDate& a, const CalendarDate& b);

}  // namespace kelmo
