// Texts of angles: degrees, minutes and seconds, and latitude/longitude with N/S and E/W.
// Texts are UTF-8.
#pragma once

#include <string>

namespace kelmo {

struct SplitAngle {
    int degrees = 0;  // signed: carries the sign of the angle
    int minutes = 0;
    int seconds = 0;
};

// Splits an angle in degrees, rounding the seconds to the nearest; with roundToMinute 30
// seconds or more move the minute up.
SplitAngle splitAngle(double degrees, bool roundToMinute);

// "dd°mm'ss\"" or with minutesOnly "dd°mm'"; an angle between -1 and 0 degrees starts with
// "-"; the NotValid marker gives "NotValid".
std::string formatAngle(double radians, bool minutesOnly);

// A direction counted clockwise from north as formatAngle writes it, taken modulo 360 degrees
// before and after rounding (a bearing that rounds up to 360 degrees is 00°00'00").
std::string formatBearing(double radians, bool minutesOnly);

// Latitude "dd°mm'ss\" N" / longitude "ddd°mm'ss\" E"; compact forms "ddmm N   " and
// "dddmm E    " (minute rounded from 30 seconds).
std::string formatLatLon(double radians, bool isLongitude, bool compact);

}  // namespace kelmo
