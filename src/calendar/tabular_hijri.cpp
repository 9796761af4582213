// The tabular Islamic calendar.
#include "calendar/tabular_hijri.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

namespace {

// Days in the mean tabular month.
constexpr double kTabularMonthDays = 29.5;

// Year of the tabular calendar containing day number n.
long tabularYear(long n) {
    return (30 * (n - static_cast<long>(kHijriEpoch)) + 10646) / 10631;
}

int monthWithinYear(double m) {
    return static_cast<int>(std::clamp(m, 1.0, 12.0));
}

}  // namespace

long hijriDayNumber(int year, int month, int day) {
    const long y = year;
    return static_cast<long>(std::ceil((month - 1) * kTabularMonthDays)) + day + 354 * y - 354 +
           (11 * y + 3) / 30 + static_cast<long>(kHijriEpoch) - 1;
}

double hijriDayNumberReal(int year, int month, double day) {
    return std::floor((month - 1) * kTabularMonthDays + day + (year - 1) * 354.0 +
                      (11.0 * year + 3.0) / 30.0 + kHijriEpoch - 1.0) +
           0.5;
}

long hijriFromDayNumber(long n, CalendarDate& date) {
    const long y = tabularYear(n);
    const long first = hijriDayNumber(static_cast<int>(y), 1, 1);
    const int m = monthWithinYear(std::ceil((n - first - 29) / kTabularMonthDays) + 1.0);
    const long monthStart = hijriDayNumber(static_cast<int>(y), m, 1);
    date.hijriYear = static_cast<int>(y);
    date.hijriMonth = m;
    date.hijriDay = static_cast<double>(n - monthStart + 1);
    return monthStart;
}

double hijriFromDayNumberReal(double x, CalendarDate& date) {
    const double n = std::floor(x);
    const int y = static_cast<int>(tabularYear(static_cast<long>(n)));
    const double first = hijriDayNumberReal(y, 1, 1.0);
    const int m = monthWithinYear(std::ceil((n - 29.0 - first) / kTabularMonthDays) + 1.0);
    const double monthStart = hijriDayNumberReal(y, m, 1.0);
    date.hijriYear = y;
    date.hijriMonth = m;
    date.hijriDay = std::floor(n + 1.0 - monthStart);
    return monthStart;
}

}  // namespace kelmo
