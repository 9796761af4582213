// Angle and time conversion factors, derived once from pi.
#pragma once

#include <numbers>

namespace kelmo {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * kPi;
inline constexpr double kDegToRad = kPi / 180.0;
inline constexpr double kRadToDeg = 180.0 / kPi;
inline constexpr double kHoursToRad = kPi / 12.0;  // 2 pi radians of the day = 24 hours
inline constexpr double kRadToHours = 12.0 / kPi;
inline constexpr double kArcsecToRad = kDegToRad / 3600.0;
inline constexpr double kMinuteToRad = kHoursToRad / 60.0;    // one minute of time
inline constexpr double kSecondToRad = kHoursToRad / 3600.0;  // one second of time
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kHoursPerDay = 24.0;

}  // namespace kelmo
