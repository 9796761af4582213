// Places, dates and settings shared by the prayer-time tests.
#pragma once

#include <string>

#include "base/angles.h"
#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/julian_day.h"

namespace kelmo::test {

inline Location place(double latitudeDeg, double longitudeDeg, float timeZone, int height = 0) {
    Location l;
    l.name = "Test";
    l.latitude = latitudeDeg * kDegToRad;
    l.longitude = longitudeDeg * kDegToRad;
    l.timeZone = timeZone;
    l.height = height;
    return l;
}

inline Location manama() {
    return place(26.2361, 50.5831, 3.0f);
}
inline Location longyearbyen() {
    return place(78.2232, 15.6267, 1.0f);
}

inline CalendarDate civil(int year, int month, int day) {
    CalendarDate d;
    d.year = year;
    d.month = month;
    d.day = day;
    return d;
}

inline CalendarDate daysAfter(const CalendarDate& date, int days) {
    CalendarDate d = date;
    dateFromJulianDay(julianDay(date) + days, d);
    return d;
}

// Settings with the rule and area given; no corrections unless set later.
inline Config settings(int rule, int areaKm) {
    Config c;
    c.highLatitudeRule = rule;
    c.areaRadius = areaKm;
    c.correctionSeconds = 0;
    c.maghribDelay = 0;
    return c;
}

inline double seconds(double dayAngle) {
    return dayAngle * 43200.0 / kPi;
}
inline double hoursToDayAngle(double hours) {
    return hours * kHoursToRad;
}

}  // namespace kelmo::test
