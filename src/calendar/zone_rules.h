// A named time zone of the tz database in the terms of the rule model (see summer_time.h): the
// zone time and the rule codes that give a year's clock as the database does, where the
// model can express it.
#pragma once

#include <string>

#include "base/location.h"

namespace kelmo {

struct FixedZoneRules {
    bool known = false;  // the database knows the zone and the year
    float timeZone = 0;  // hours east of Greenwich
    int dstStart = 0;    // rule codes, both 0 when the model cannot express the year
    int dstEnd = 0;
    bool changes = false;  // the zone's offset changes during the year
};

// The zone's clock in year, read at local noon of every day. When it changes exactly twice,
// to one hour more and back, and rule codes give those two days in year and in the year
// before or after (a yearly law, not a one-off change), timeZone is the smaller offset and
// the codes are set: a rule for the last weekday of the month is preferred, then a fixed
// day, then the first to fourth weekday; among several, the one that also gives the days of
// the most of the four following years. Otherwise the codes are 0 and timeZone is the
// standard offset: the one in force on most of the days the database does not mark as summer
// time (the smaller on a tie).
FixedZoneRules fixedRulesOfZone(const std::string& zone, int year);

// Puts law's zone time and rule codes into location (its zone name stays as it is).
void applyZoneLaw(const FixedZoneRules& law, Location& location);

}  // namespace kelmo
