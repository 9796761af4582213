#include "calendar/summer_time.h"

#include <cmath>

#include "calendar/julian_day.h"

namespace kelmo {

namespace {

// Search start of the ordinals "First", "2nd", "3rd" and "4th": the first matching weekday on
// or after this day.
constexpr int kOrdinalStartDay[kLastOrdinal] = {1, 8, 15, 22};

int weekdayOfDate(int year, int month, int day) {
    CalendarDate date;
    date.year = year;
    date.month = month;
    date.day = day;
    return weekday(julianDay(date));
}

}  // namespace

bool isNoSummerTimeCode(int code) {
    const int month = ruleMonth(code);
    const int dayCode = ruleDayCode(code);
    return code <= 0 || month < 1 || month > kMonthsPerYear || dayCode < 1 ||
           dayCode > kLastDayCode;
}

int dstDayOfMonth(int code, int year) {
    if (isNoSummerTimeCode(code)) return 0;
    const int month = ruleMonth(code);
    const int dayCode = ruleDayCode(code);
    if (dayCode < kFirstWeekdayCode) return dayCode;

    const int rule = dayCode - kFirstWeekdayCode;
    const int wantedWeekday = rule / kWeekdayOrdinals + 1;
    const int ordinal = rule % kWeekdayOrdinals;
    int day = ordinal == kLastOrdinal ? daysInMonth(year, month) : kOrdinalStartDay[ordinal];
    const int step = ordinal == kLastOrdinal ? -1 : 1;
    while (weekdayOfDate(year, month, day) != wantedWeekday) day += step;
    return day;
}

MonthDay dstDay(int code, int year) {
    return {ruleMonth(code), dstDayOfMonth(code, year)};
}

bool isSummerTime(int dstStart, int dstEnd, const CalendarDate& date) {
    if (isNoSummerTimeCode(dstStart) || isNoSummerTimeCode(dstEnd)) return false;
    const MonthDay start = dstDay(dstStart, date.year);
    const MonthDay end = dstDay(dstEnd, date.year);
    const int m = date.month;
    const int d = static_cast<int>(std::trunc(date.day));

    if (start.month < end.month) {
        return (m > start.month && m < end.month) || (m == start.month && d >= start.day) ||
               (m == end.month && d < end.day);
    }
    if (start.month > end.month) {
        if (m > end.month && m < start.month) return false;
        if (m == start.month) return d >= start.day;
        if (m == end.month) return d < end.day;
        return true;
    }
    return false;
}

}  // namespace kelmo
