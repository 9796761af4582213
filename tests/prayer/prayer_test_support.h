// Places, dates and settings shared by the prayer-time tests.
#pragma once

#include "base/angles.h"
#include "base/config.h"

#include "support/civil_date.h"
#include "support/frame_times.h"
#include "support/places.h"

namespace kelmo::test {

// Settings with the rule and area given; no corrections unless set later.
inline Config settings(int rule, int areaKm) {
    Config c;
    c.highLatitudeRule = rule;
    c.areaRadius = areaKm;
    c.correctionSeconds = 0;
    c.maghribDelay = 0;
    return c;
}

inline double seconds(double dayAngle) {
    return dayAngle * 43200.0 / kPi;
}
inline double hoursToDayAngle(double hours) {
    return hours * kHoursToRad;
}

}  // namespace kelmo::test
