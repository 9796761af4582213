// Summer-time (daylight saving) rule codes: the days they name (calendar/place_zone.h turns
// them into a place's clock).
//
// A rule code is month * 256 + day code, 0 for none. Day codes 1..31 are a fixed day of
// the month; 32..66 a weekday rule: with r = code - 32, weekday r / 5 (0 Monday .. 6 Sunday)
// and ordinal r % 5 (first, 2nd, 3rd, 4th, last). Codes outside that model (month outside
// 1..12 or day code outside 1..66) are treated as no summer time.
// Summer time starts at 00:00 of the start day and ends at 00:00 of the end day.
#pragma once

#include "calendar/calendar_date.h"

namespace kelmo {

inline constexpr int kRuleMonthFactor = 256;  // code = month * 256 + day code
inline constexpr int kFirstWeekdayCode = 32;
inline constexpr int kLastDayCode = 66;
inline constexpr int kWeekdayOrdinals = 5;  // first, 2nd, 3rd, 4th, last
inline constexpr int kLastOrdinal = 4;

// The rule code of a month (1..12) and a day code, and the two parts of a code.
constexpr int ruleCode(int month, int dayCode) {
    return month * kRuleMonthFactor + dayCode;
}
constexpr int ruleMonth(int code) {
    return code / kRuleMonthFactor;
}
constexpr int ruleDayCode(int code) {
    return code % kRuleMonthFactor;
}

// A day of a year as month (1..12) and day of the month.
struct MonthDay {
    int month = 0;
    int day = 0;
    bool operator==(const MonthDay&) const = default;
};

// True when code is 0 or lies outside the data model.
bool isNoSummerTimeCode(int code);

// Day of the month that the rule code names in year (the month comes from the code);
// 0 for a code outside the data model.
int dstDayOfMonth(int code, int year);

// The month of the rule code and the day dstDayOfMonth gives in year.
MonthDay dstDay(int code, int year);

// True when summer time is in effect on the civil date (its integer day).
bool isSummerTime(int dstStart, int dstEnd, const CalendarDate& date);

}  // namespace kelmo
