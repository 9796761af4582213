#include "calendar/time_format.h"

#include <cmath>
#include <cstdio>

#include "base/angles.h"

namespace kelmo {

namespace {

constexpr int kWholeHoursPerDay = static_cast<int>(kHoursPerDay);
constexpr double kHalfUnitInSixtieths = 30.0;
constexpr double kSixtiethsPerUnit = 60.0;
// Remainders closer than this (in sixtieths of the shown unit) to a whole unit or a half are
// the rounding error of a time kept in radians, not a part of the time.
constexpr double kNoise = 1e-6;

bool roundsUp(double remainderInSixtieths, int t) {
    if (t == kRoundNearest) return remainderInSixtieths >= kHalfUnitInSixtieths - kNoise;
    if (t == kRoundDown) return false;
    return remainderInSixtieths > t + kNoise;
}

}  // namespace

double fractionOf(double v, double w) {
    return w == 0.0 ? v : std::fmod(v, w);
}

SplitTime splitTime(int t, double time, bool minutesOnly) {
    const long long unitsPerHour = minutesOnly ? 60 : 3600;
    const long long unitsPerDay = unitsPerHour * kWholeHoursPerDay;
    const double units = time * kRadToHours * static_cast<double>(unitsPerHour);
    double whole = std::floor(units);
    double remainder = (units - whole) * kSixtiethsPerUnit;
    if (remainder > kSixtiethsPerUnit - kNoise) {
        whole += 1.0;
        remainder = 0.0;
    }
    if (roundsUp(remainder, t)) whole += 1.0;

    const auto count = static_cast<long long>(whole);
    const long long days =
        count >= 0 ? count / unitsPerDay : -((-count + unitsPerDay - 1) / unitsPerDay);
    const long long inDay = count - days * unitsPerDay;
    SplitTime s;
    s.dayOffset = static_cast<int>(days);
    s.hours = static_cast<int>(inDay / unitsPerHour);
    s.minutes = static_cast<int>(minutesOnly ? inDay % 60 : inDay / 60 % 60);
    s.seconds = minutesOnly ? 0 : static_cast<int>(inDay % 60);
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
