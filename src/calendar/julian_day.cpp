#include "calendar/julian_day.h"

#include <cmath>
#include <cstdint>

namespace kelmo {

namespace {

constexpr double kGregorianStartJd = 2299161.0;  // 15 October 1582 as integer day number

bool isGregorian(const CalendarDate& date) {
    if (date.year != 1582) return date.year > 1582;
    if (date.month != 10) return date.month > 10;
    return date.day > 4.0;
}

}  // namespace

double julianDay(const CalendarDate& date) {
    int y = date.year;
    int m = date.month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    int b = 0;
    if (isGregorian(date)) {
        const int a = y / 100;
        b = 2 - a + a / 4;
    }
    return std::trunc(365.25 * (y + 4716)) + std::trunc(30.6001 * (m + 1)) + date.day + b - 1524.5;
}

void dateFromJulianDay(double jd, CalendarDate& date) {
    const double z = std::floor(jd + 0.5);
    const double f = jd + 0.5 - z;
    double a = z;
    if (z >= kGregorianStartJd) {
        const auto alpha = static_cast<std::int64_t>((z - 1867216.25) / 36524.25);
        a = z + 1 + static_cast<double>(alpha - alpha / 4);
    }
    const double b = a + 1524;
    const double c = std::trunc((b - 122.1) / 365.25);
    const double d = std::trunc(365.25 * c);
    const double e = std::trunc((b - d) / 30.6001);

    date.day = b - d - std::floor(30.6001 * e) + f;
    date.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    date.year = static_cast<int>(date.month > 2 ? c - 4716 : c - 4715);

    const double hours = 24.0 * f;
    date.hour = static_cast<int>(hours);
    const double minutes = 60.0 * (hours - date.hour);
    date.minute = static_cast<int>(minutes);
    date.second = static_cast<int>(60.0 * (minutes - date.minute));
}

CalendarDate daysLater(const CalendarDate& date, int days) {
    CalendarDate moved = date;
    moved.day = std::floor(date.day);
    dateFromJulianDay(julianDay(moved) + days, moved);
    moved.day = std::floor(moved.day);
    return moved;
}

double centuriesSinceJ2000(double jd) {
    return (jd - kJ2000) / kDaysPerCentury;
}

int weekday(double jd) {
    const auto n = static_cast<std::int64_t>(std::floor(jd + 0.5));
    return static_cast<int>(((n % 7) + 7) % 7) + 1;
}

bool isLeapYear(int year) {
    if (year % 4 != 0) return false;
    return !(year > 1582 && year % 100 == 0 && year % 400 != 0);
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValidDate(const CalendarDate& date, bool hijri) {
    if (hijri) {
        return date.hijriMonth >= 1 && date.hijriMonth <= 12 && date.hijriYear > 0 &&
               date.hijriDay >= 1.0 && date.hijriDay <= 30.0;
    }
    const double day = std::trunc(date.day);
    if (date.year == 1582 && date.month == 10 && day >= 5 && day <= 14) return false;
    return date.day > 0.0 && day <= daysInMonth(date.year, date.month);
}

}  // namespace kelmo
