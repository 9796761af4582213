// The solver's times (calendar/frame_time.h) as the tests read and write them.
#pragma once

#include <cstring>
#include <limits>
#include <ostream>

#include "calendar/frame_time.h"

namespace kelmo {

// GoogleTest prints a FrameTime by its radians or its marker's word.
inline void PrintTo(const FrameTime& t, std::ostream* out) {
    if (const auto angle = t.angle()) {
        *out << *angle << " rad";
    } else {
        *out << statusName(t.status());
    }
}

namespace test {

inline const FrameTime kNotValidTime = FrameTime::marker(EventStatus::notValid);
inline const FrameTime kAlwAboveTime = FrameTime::marker(EventStatus::alwAbove);
inline const FrameTime kAlwBelowTime = FrameTime::marker(EventStatus::alwBelow);

// The radians of a time; not a number for a marker, so that every comparison with a number
// fails.
inline double radians(FrameTime t) {
    return t.angle().value_or(std::numeric_limits<double>::quiet_NaN());
}

// True when a and b are the same marker, or times of the same bits.
inline bool sameBits(FrameTime a, FrameTime b) {
    const double x = radians(a);
    const double y = radians(b);
    return a.status() == b.status() && std::memcmp(&x, &y, sizeof x) == 0;
}

}  // namespace test
}  // namespace kelmo
