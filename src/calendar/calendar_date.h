// One day in both calendars: the civil (Julian/Gregorian) date and its Islamic date.
#pragma once

namespace kelmo {

// The years a date may be given in (the range the Date dialog accepts and the models are
// meant for).
inline constexpr int kFirstCivilYear = -2000;
inline constexpr int kLastCivilYear = 6000;
inline constexpr int kFirstHijriYear = 1;
inline constexpr int kLastHijriYear = 6000;
inline constexpr int kMonthsPerYear = 12;
inline constexpr int kMinutesPerHour = 60;

struct CalendarDate {
    int year = 2000;  // astronomical numbering: year 0 exists, -1 is 2 BC
    int hijriYear = 0;
    int month = 1;          // 1 .. 12
    int hijriMonth = 1;     // 1 .. 12
    double day = 1.0;       // day of the month; the fraction is the time of day (0.5 = noon)
    double hijriDay = 1.0;  // a whole number 1 .. 30 after a conversion
    int hijriValid = 0;     // 1 when the Hijri fields hold a computed date
    int hour = 0;           // filled only by dateFromJulianDay (truncated)
    int minute = 0;
    int second = 0;
};

}  // namespace kelmo
