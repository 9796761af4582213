// A clock's yearly law: a standard offset from Universal Time and, where the clock keeps
// summer time, the days and clock times on which it moves forward and back. It is the form of
// the rule that compiled tz files give for the years after their last listed change (a POSIX
// TZ string, as in "GMT0BST,M3.5.0/1,M10.5.0"), and of the summer-time rule codes of a place.
// Source: IEEE Std 1003.1-2017, 8.3 (TZ); RFC 8536, 3.3 (its extension of the hours).
#pragma once

#include <optional>
#include <string_view>

#include "calendar/instant.h"

namespace kelmo {

// The day of a year on which the clock changes.
struct ChangeDay {
    enum class Kind {
        monthWeekday,  // the week-th weekday of month (week 5: the last), POSIX "Mm.w.d"
        monthDay,      // a fixed day of month
        dayNoLeap,     // day 1..365 of the year, 29 February never counted, POSIX "Jn"
        dayOfYear,     // day 0..365 of the year, 29 February counted, POSIX "n"
    };
    Kind kind = Kind::monthDay;
    int month = 1;    // 1..12 (monthWeekday, monthDay)
    int week = 1;     // 1..5 (monthWeekday)
    int weekday = 0;  // 0 Sunday .. 6 Saturday (monthWeekday)
    int day = 1;      // monthDay: 1..31; dayNoLeap: 1..365; dayOfYear: 0..365

    // The civil date (integer day) this rule names in year.
    CalendarDate dateIn(int year) const;
};

struct SummerRule {
    Seconds offset{};  // east of Greenwich, during summer time
    ChangeDay start;
    Seconds startClock{};  // clock reading (standard time) of the change, after midnight
    ChangeDay end;
    Seconds endClock{};  // clock reading (summer time) of the change back, after midnight
};

struct ClockRule {
    Seconds standardOffset{};  // east of Greenwich
    std::optional<SummerRule> summer;
    // The text named the winter clock as the saving, with an offset below the standard one
    // (Ireland's "IST-1GMT0,..."); summer is kept here as the larger offset all the same.
    bool winterWasSaving = false;

    // The offset in force at t and whether it is summer time.
    Seconds offsetAt(Instant t) const;
    bool isSummerAt(Instant t) const;
};

// The rule of a POSIX TZ string; none when the text is not one.
std::optional<ClockRule> parseClockRule(std::string_view text);

}  // namespace kelmo
