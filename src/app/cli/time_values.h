// Times of day in the JSON and CSV records of kelmo-cli.
#pragma once

#include <array>
#include <string>

#include "prayer/prayer_times.h"

namespace kelmo::cli {

// Keys of the prayer slots in JSON objects and CSV columns, in slot order.
inline constexpr std::array<const char*, kPrayerSlotCount> kSlotKeys = {
    "imsak", "fajr", "shuruq", "noon", "duhr", "asr1", "asr2", "maghrib", "isha"};

// Seconds after local midnight (radians of the day) with three decimals, or the marker's
// word, quoted when quoteMarkers (JSON).
std::string secondsText(double time, bool quoteMarkers);

}  // namespace kelmo::cli
