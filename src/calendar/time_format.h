// Texts of times of day (radians of the day, 2 pi = 24 h) with the program's rounding rules.
//
// The rounding rule is passed with every time; a time is rounded once, at the last unit shown
// (the second, or with minutes only the minute): kRoundNearest to the nearest (a half rounds
// up), kRoundUp up whenever anything remains, kRoundDown down (the remainder is cut).
#pragma once

#include <string>

namespace kelmo {

inline constexpr int kRoundNearest = 29;
inline constexpr int kRoundUp = 0;
inline constexpr int kRoundDown = 59;

// The remainder of v divided by w, or v itself when w is 0. With w = the whole part of v it
// gives the fraction of v.
double fractionOf(double v, double w);

struct SplitTime {
    int dayOffset = 0;  // -1 previous day, 0 same day, +1 next day, more for larger values
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// Splits a time of day into day offset, hours, minutes and seconds, rounded once by rule t to
// the second, or with minutesOnly to the minute (seconds then 0).
SplitTime splitTime(int t, double time, bool minutesOnly);

struct FormattedTime {
    std::string text;  // "HH:MM" when precision is 1, else "HH:MM:SS"
    int dayOffset = 0;
};

// With addDays the day offset is counted into the hours (durations: 26 hours give "26:00").
FormattedTime formatTime(int t, double time, int precision, bool addDays);

}  // namespace kelmo
