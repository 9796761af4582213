#include "calendar/angle_format.h"

#include <cmath>
#include <cstdio>

#include "base/angles.h"
#include "base/markers.h"
#include "calendar/event.h"
#include "calendar/time_format.h"

namespace kelmo {

namespace {

constexpr int kDegreesPerTurn = 360;

void carry(SplitAngle& a) {
    if (a.minutes >= 60) {
        a.minutes = 0;
        a.degrees += 1;
    }
}

}  // namespace

SplitAngle splitAngle(double degrees, bool roundToMinute) {
    SplitAngle a;
    const double v = std::fabs(degrees);
    a.degrees = static_cast<int>(std::trunc(v));
    const double m = fractionOf(v, a.degrees) * 60.0;
    a.minutes = static_cast<int>(std::trunc(m));
    const double s = fractionOf(m, a.minutes) * 60.0;
    a.seconds = static_cast<int>(std::trunc(s));

    if (fractionOf(s, a.seconds) * 60.0 > kRoundNearest) a.seconds += 1;
    if (a.seconds >= 60 || (roundToMinute && a.seconds >= 30)) {
        a.seconds = 0;
        a.minutes += 1;
        carry(a);
    }
    if (degrees < 0) a.degrees = -a.degrees;
    return a;
}

std::string formatAngle(double radians, bool minutesOnly) {
    if (radians == kNotValid) return statusName(EventStatus::notValid);
    const SplitAngle a = splitAngle(radians * kRadToDeg, minutesOnly);
    const char* sign = a.degrees == 0 && radians < 0 ? "-" : "";
    char text[64];
    if (minutesOnly) {
        std::snprintf(text, sizeof text, "%s%02d\u00B0%02d'", sign, a.degrees, a.minutes);
    } else {
        std::snprintf(text, sizeof text, "%s%02d\u00B0%02d'%02d\"", sign, a.degrees, a.minutes,
                      a.seconds);
    }
    return text;
}

std::string formatBearing(double radians, bool minutesOnly) {
    if (radians == kNotValid) return statusName(EventStatus::notValid);
    double degrees = std::fmod(radians * kRadToDeg, kDegreesPerTurn);
    if (degrees < 0.0) degrees += kDegreesPerTurn;
    SplitAngle a = splitAngle(degrees, minutesOnly);
    if (a.degrees >= kDegreesPerTurn) a.degrees -= kDegreesPerTurn;  // 359 59' 59.9996" is north
    char text[64];
    if (minutesOnly) {
        std::snprintf(text, sizeof text, "%02d\u00B0%02d'", a.degrees, a.minutes);
    } else {
        std::snprintf(text, sizeof text, "%02d\u00B0%02d'%02d\"", a.degrees, a.minutes, a.seconds);
    }
    return text;
}

std::string formatLatLon(double radians, bool isLongitude, bool compact) {
    const char letter = isLongitude ? (radians >= 0 ? 'E' : 'W') : (radians >= 0 ? 'N' : 'S');
    SplitAngle a = splitAngle(std::fabs(radians) * kRadToDeg, false);
    char text[64];
    if (compact) {
        if (a.seconds >= 30) {
            a.minutes += 1;
            carry(a);
        }
        std::snprintf(text, sizeof text, isLongitude ? "%03d%02d %c    " : "%02d%02d %c   ",
                      a.degrees, a.minutes, letter);
    } else {
        std::snprintf(text, sizeof text,
                      isLongitude ? "%03d\u00B0%02d'%02d\" %c" : "%02d\u00B0%02d'%02d\" %c",
                      a.degrees, a.minutes, a.seconds, letter);
    }
    return text;
}

}  // namespace kelmo
