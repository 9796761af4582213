#include "calendar/time_format.h"

#include <cmath>
#include <cstdio>

#include "base/angles.h"

namespace kelmo {

namespace {

constexpr int kHoursPerDay = 24;

void carryMinutes(SplitTime& s) {
    if (s.minutes >= 60) {
        s.minutes = 0;
        s.hours += 1;
    }
    if (s.hours > kHoursPerDay - 1) {
        s.dayOffset += s.hours / kHoursPerDay;
        s.hours = 0;
    }
}

}  // namespace

double fractionOf(double v, double w) {
    return w == 0.0 ? v : std::fmod(v, w);
}

SplitTime splitTime(int t, double time, bool minutesOnly) {
    SplitTime s;
    double c = time * kRadToHours;
    if (c >= kHoursPerDay) {
        s.dayOffset = static_cast<int>(std::trunc(c)) / kHoursPerDay;
        c = std::fmod(c, kHoursPerDay);
    } else if (c < 0) {
        s.dayOffset = c < -kHoursPerDay ? static_cast<int>(std::trunc(c)) / kHoursPerDay - 1 : -1;
        c += -s.dayOffset * kHoursPerDay;
    }

    s.hours = static_cast<int>(std::trunc(c));
    const double m = fractionOf(c, s.hours) * 60.0;
    s.minutes = static_cast<int>(std::trunc(m));
    const double sec = fractionOf(m, s.minutes) * 60.0;
    s.seconds = static_cast<int>(std::trunc(sec));

    if (t < fractionOf(sec, s.seconds) * 60.0) s.seconds += 1;
    if (s.seconds >= 60) {
        s.seconds = 0;
        s.minutes += 1;
    }
    carryMinutes(s);

    if (minutesOnly && t < s.seconds) {
        s.minutes += 1;
        carryMinutes(s);
    }
    return s;
}

FormattedTime formatTime(int t, double time, int precision, bool addDays) {
    const bool minutesOnly = precision == 1;
    const SplitTime s = splitTime(t, time, minutesOnly);
    const int hours = addDays ? s.hours + s.dayOffset * kHoursPerDay : s.hours;
    char text[48];
    if (minutesOnly) {
        std::snprintf(text, sizeof text, "%02i:%02i", hours, s.minutes);
    } else {
        std::snprintf(text, sizeof text, "%02i:%02i:%02i", hours, s.minutes, s.seconds);
    }
    return {text, s.dayOffset};
}

}  // namespace kelmo
