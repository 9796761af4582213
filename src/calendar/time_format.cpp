#include "calendar/time_format.h"

#include <cmath>
#include <cstdio>

#include "base/angles.h"

namespace kelmo {

namespace {

constexpr int kWholeHoursPerDay = static_cast<int>(kHoursPerDay);

void carryMinutes(SplitTime& s) {
    if (s.minutes >= 60) {
        s.minutes = 0;
        s.hours += 1;
    }
    if (s.hours > kWholeHoursPerDay - 1) {
        s.dayOffset += s.hours / kWholeHoursPerDay;
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
    if (c >= kWholeHoursPerDay) {
        s.dayOffset = static_cast<int>(std::trunc(c)) / kWholeHoursPerDay;
        c = std::fmod(c, kWholeHoursPerDay);
    } else if (c < 0) {
        s.dayOffset =
            c < -kWholeHoursPerDay ? static_cast<int>(std::trunc(c)) / kWholeHoursPerDay - 1 : -1;
        c += -s.dayOffset * kWholeHoursPerDay;
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
    const int hours = addDays ? s.hours + s.dayOffset * kWholeHoursPerDay : s.hours;
    char text[48];
    if (minutesOnly) {
        std::snprintf(text, sizeof text, "%02i:%02i", hours, s.minutes);
    } else {
        std::snprintf(text, sizeof text, "%02i:%02i:%02i", hours, s.minutes, s.seconds);
    }
    return {text, s.dayOffset};
}

}  // namespace kelmo
