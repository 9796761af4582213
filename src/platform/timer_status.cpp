#include "platform/timer_status.h"

#include <cstdio>

namespace kelmo::platform {

std::string encodeTimerStatus(const TimerStatus& status) {
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", status.year, status.month, status.day);
    return "1 " + status.prayer + " " + date + " " + status.time + " " + status.location + "\n";
}

std::optional<TimerStatus> decodeTimerStatus(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    if (!line.starts_with("1 ")) return std::nullopt;
    line.remove_prefix(2);
    // Prayer, date and time are single words; the location is the rest and may hold blanks.
    std::string_view words[3];
    for (std::string_view& word : words) {
        const auto blank = line.find(' ');
        if (blank == 0 || blank == std::string_view::npos) return std::nullopt;
        word = line.substr(0, blank);
        line.remove_prefix(blank + 1);
    }
    TimerStatus status;
    status.prayer = words[0];
    const std::string date(words[1]);
    char end = 0;
    if (std::sscanf(date.c_str(), "%d-%d-%d%c", &status.year, &status.month, &status.day, &end) !=
        3)
        return std::nullopt;
    status.time = words[2];
    status.location = line;
    return status;
}

}  // namespace kelmo::platform
