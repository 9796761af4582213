// The range of every setting, one table for the configuration file's reader and writer, the
// command line of kelmo-cli and the dialogs. A value outside its range is refused everywhere.
#pragma once

namespace kelmo {

struct Limits {
    double low;
    double high;

    constexpr bool holds(double value) const { return value >= low && value <= high; }
};

namespace limits {
// Sun altitudes of the twilight times, degrees; Imsak also no higher than Fajr.
inline constexpr Limits kTwilightAngle{-26.0, -1.0};
inline constexpr Limits kFiqh{0, 4};
inline constexpr Limits kAreaRadiusKm{0, 100};
inline constexpr Limits kPrecision{0, 1};
inline constexpr Limits kHighLatitudeRule{0, 9};
inline constexpr Limits kNMinutes{0, 120};  // minutes of high-latitude rule 9
inline constexpr Limits kMaghribDelayMinutes{0, 30};
inline constexpr Limits kPreAlertMinutes{1, 30};
inline constexpr Limits kCorrectionSeconds{0, 600};
inline constexpr Limits kHijriAdjustDays{-3, 3};
inline constexpr Limits kMoonVisibilityDegrees{0.0, 30.0};
inline constexpr Limits kMaxErrorSeconds{1, 255};
inline constexpr Limits kTemperatureCelsius{-90, 60};
inline constexpr Limits kPressureMillibar{0, 1100};
// A place.
inline constexpr Limits kLatitudeDegrees{-90.0, 90.0};
inline constexpr Limits kLongitudeDegrees{-180.0, 180.0};
inline constexpr Limits kHeightMetres{-999, 9999};
inline constexpr Limits kZoneHours{-24.0, 24.0};
}  // namespace limits

}  // namespace kelmo
