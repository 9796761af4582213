// The compiled zone files of the tz database (TZif, versions 1 to 4): the listed changes of a
// zone's clock and, from version 2, the rule for the years after the last of them.
// Source: RFC 8536, The Time Zone Information Format (TZif), 2019.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/clock_rule.h"

namespace kelmo {

struct ClockType {
    Seconds offset{};     // east of Greenwich
    bool summer = false;  // the database marks the clock as summer (daylight saving) time
    // A clock set back below standard time for a while (Morocco in Ramadan): neither summer
    // time nor the zone's standard time.
    bool belowStandard = false;
};

struct ZoneHistory {
    std::vector<std::int64_t> changes;    // Unix seconds of each change, increasing
    std::vector<std::uint8_t> typeAfter;  // index into types of the clock from each change on
    std::vector<ClockType> types;         // types[0] is the clock before the first change
    std::optional<ClockRule> rule;        // the clock after the last change, when the file gives it
};

// The history of a zone file's bytes; none when they are not a well-formed TZif file.
std::optional<ZoneHistory> parseTzif(std::string_view bytes);

}  // namespace kelmo
