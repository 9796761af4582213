// Places, dates and settings shared by the prayer-time tests.
#pragma once

#include "base/angles.h"
#include "base/config.h"
#include "prayer/event_table.h"

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

// True when every slot of a and b holds the same marker or a time of the same bits.
inline bool sameTables(const EventTable& a, const EventTable& b) {
    for (std::size_t i = 0; i < kEventSlotCount; ++i) {
        if (!sameBits(a.slot(i), b.slot(i))) return false;
    }
    return true;
}

}  // namespace kelmo::test
