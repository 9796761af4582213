// The status question to a running Timer: which prayer it has scheduled. Asked over the
// "KelmoTimer" endpoint like the other messages ("0x403 0 0"); the answer line carries the
// result 1 followed by the prayer, its local date and time and the location
// ("1 Maghrib 2024-03-11 17:43:12 Manama,Bahrain"), or the result 0 alone when the Timer holds
// no prayer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/kelmo_messages.h"

namespace kelmo {
inline constexpr int WM_KELMO_STATUS = kWmUser + 3;  // which prayer is scheduled
}  // namespace kelmo

namespace kelmo::platform {

struct TimerStatus {
    std::string prayer;  // "Fajr" .. "Isha"
    int year = 0;        // local civil date of the prayer
    int month = 0;
    int day = 0;
    std::string time;      // "HH:MM:SS", local civil time
    std::string location;  // the location's name
};

// "1 <prayer> <YYYY-MM-DD> <HH:MM:SS> <location>\n"
std::string encodeTimerStatus(const TimerStatus& status);

// Reads an answer line; nothing for the answer "0" or a malformed line.
std::optional<TimerStatus> decodeTimerStatus(std::string_view line);

}  // namespace kelmo::platform
