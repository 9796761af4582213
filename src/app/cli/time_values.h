// Times of day in the JSON and CSV records of kelmo-cli.
#pragma once

#include <array>
#include <string>

#include "calendar/row_time.h"
#include "prayer/prayer_times.h"

namespace kelmo::cli {

// Keys of the prayer slots in JSON objects and CSV columns, in slot order.
inline constexpr std::array<const char*, kPrayerSlotCount> kSlotKeys = {
    "imsak", "fajr", "shuruq", "noon", "duhr", "asr1", "asr2", "maghrib", "isha"};

// Seconds after the row's local midnight with three decimals, or the marker's word, quoted
// when quoteMarkers (JSON).
std::string secondsText(const RowTime& time, bool quoteMarkers);

}  // namespace kelmo::cli
