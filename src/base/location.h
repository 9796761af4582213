// A place on the Earth with its civil time rules.
#pragma once

#include <string>

namespace kelmo {

struct Location {
    // City and country joined by a comma ("Manama,Bahrain"), UTF-8, in any script; at most
    // kNameLength characters.
    std::string name;
    double latitude = 0.0;   // radians, north positive
    double longitude = 0.0;  // radians, east positive
    int height = 0;          // metres above sea level, -999 .. 9999
    float timeZone = 0.0f;   // hours east of Greenwich, |timeZone| <= 24
    int dstStart = 0;        // summer-time start rule code, 0 = none (see summer_time.h)
    int dstEnd = 0;          // summer-time end rule code
    // IANA time zone of the tz database ("Europe/London"), empty for none. When the database
    // knows it, it gives the clock of each date (see summerTimeMinutes); timeZone, dstStart and
    // dstEnd then hold the zone's present law as far as the rule model expresses it.
    std::string zone{};

    static constexpr std::size_t kNameLength = 47;
    static constexpr std::size_t kZoneLength = 64;  // longer words are no zone names
};

}  // namespace kelmo
