// One zone of the system's tz database read alone from its compiled file (TZif, RFC 8536):
// the transitions between its local time types and, for instants after the last transition,
// the rule of its footer (a POSIX TZ string such as "CET-1CEST,M3.5.0,M10.5.0/3").
// Reading one file is what a short-lived program can afford; listing the whole database
// walks hundreds of files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelmo {

// A local time type: the offset from UT in seconds (east positive) and the summer-time mark.
struct TzifType {
    std::int32_t offset = 0;
    bool daylightSaving = false;
};

// The rule of the footer: standard time, and summer time between two dates of each year.
struct TzifRule {
    TzifType standard;
    std::optional<TzifType> summer;  // none: standard time all year
    struct Change {
        char kind = 'M';  // 'M' month.week.weekday, 'J' day 1..365 without 29 February,
                          // 'D' day 0..365 counting 29 February
        int month = 0, week = 0, day = 0;
        std::int32_t time = 7200;  // seconds after local midnight, may be negative or past 24 h
    };
    Change start, end;  // local times: start in standard time, end in summer time
};

struct TzifZone {
    std::vector<std::int64_t> transitions;  // UT seconds since 1970, ascending
    std::vector<std::uint8_t> typeAfter;    // the type that each transition starts
    std::vector<TzifType> types;            // types[0] holds before the first transition
    std::optional<TzifRule> rule;           // after the last transition, when given
};

// The zone of the file's bytes; none when they are not a TZif file of version 2 or later.
std::optional<TzifZone> parseTzif(std::string_view bytes);

// The footer's rule; none when the text is not a POSIX TZ string.
std::optional<TzifRule> parseTzRule(std::string_view text);

// The local time type in force at the instant (UT seconds since 1970).
TzifType typeAt(const TzifZone& zone, std::int64_t utSeconds);

}  // namespace kelmo
