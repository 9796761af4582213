// Markers stored in place of a time of day (or an angle) that does not exist.
// They are compared exactly and pass unchanged through every correction.
#pragma once

namespace kelmo {

// The time could not be found (or lies more than one day away after widening).
inline constexpr double kNotValid = -2147483648.0;
// The Sun stays above the asked altitude all day.
inline constexpr double kAlwAbove = 9999.0;
// The Sun stays below the asked altitude all day.
inline constexpr double kAlwBelow = -9999.0;

// True when x holds a time and not one of the three markers.
constexpr bool isTime(double x) {
    return x != kNotValid && x != kAlwAbove && x != kAlwBelow;
}

// The word printed for a marker: "AlwAbove", "AlwBelow", else "NotValid".
constexpr const char* markerName(double marker) {
    if (marker == kAlwAbove) return "AlwAbove";
    if (marker == kAlwBelow) return "AlwBelow";
    return "NotValid";
}

}  // namespace kelmo
