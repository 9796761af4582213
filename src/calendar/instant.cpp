#include "calendar/instant.h"

#include <cmath>

#include "calendar/julian_day.h"

namespace kelmo {

Instant instantOfJulianDay(double jdUt) {
    return Instant{
        Seconds{(static_cast<long double>(jdUt) - kUnixEpochJulianDay) * kSecondsPerDayL}};
}

double julianDayOf(Instant t) {
    return static_cast<double>(t.time_since_epoch().count() / kSecondsPerDayL +
                               kUnixEpochJulianDay);
}

LocalTime localMidnightOf(const CalendarDate& date) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    const long double days = static_cast<long double>(julianDay(midnight)) - kUnixEpochJulianDay;
    return LocalTime{Seconds{days * kSecondsPerDayL}};
}

ClockReading splitLocalTime(LocalTime t) {
    const long double seconds = t.time_since_epoch().count();
    long double days = std::floor(seconds / kSecondsPerDayL);
    long double rest = seconds - days * kSecondsPerDayL;
    // The quotient may round across a day boundary; the remainder tells which side is right.
    if (rest < 0.0L) rest += kSecondsPerDayL, days -= 1.0L;
    if (rest >= kSecondsPerDayL) rest -= kSecondsPerDayL, days += 1.0L;
    ClockReading split;
    dateFromJulianDay(static_cast<double>(days + kUnixEpochJulianDay), split.date);
    split.date.day = std::floor(split.date.day);
    split.secondsOfDay = rest;
    return split;
}

int daysBetween(const CalendarDate& a, const CalendarDate& b) {
    CalendarDate da = a, db = b;
    da.day = std::floor(a.day);
    db.day = std::floor(b.day);
    return static_cast<int>(std::lround(julianDay(db) - julianDay(da)));
}

}  // namespace kelmo
