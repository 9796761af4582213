#include "calendar/time_zone_database.h"

#include <date/tz.h>

#include <algorithm>
#include <chrono>

#include "calendar/julian_day.h"

namespace kelmo {

namespace {

// Years the library's civil-day arithmetic handles.
constexpr int kFirstYear = -32767;
constexpr int kLastYear = 32767;

const date::time_zone* find(const std::string& zone) {
    if (zone.empty()) return nullptr;
    try {
        return date::locate_zone(zone);
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::optional<ZoneClock> clockAtNoon(const date::time_zone* tz, int year, int month, int day) {
    if (tz == nullptr || year < kFirstYear || year > kLastYear) return std::nullopt;
    const date::year_month_day civil{date::year{year}, date::month{static_cast<unsigned>(month)},
                                     date::day{static_cast<unsigned>(day)}};
    if (!civil.ok()) return std::nullopt;
    const date::local_seconds noon = date::local_days{civil} + std::chrono::hours{12};
    try {
        const date::sys_info info = tz->get_info(noon).first;
        return ZoneClock{
            static_cast<int>(std::chrono::duration_cast<std::chrono::minutes>(info.offset).count()),
            info.save != std::chrono::minutes{0}};
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

bool isKnownZone(const std::string& zone) {
    return find(zone) != nullptr;
}

std::vector<std::string> zoneNames() {
    std::vector<std::string> names;
    try {
        for (const date::time_zone& zone : date::get_tzdb().zones) {
            names.emplace_back(zone.name());
        }
    } catch (const std::exception&) {
        return {};
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<ZoneClock> zoneClockAtNoon(const std::string& zone, int year, int month, int day) {
    return clockAtNoon(find(zone), year, month, day);
}

std::optional<std::vector<ZoneClock>> zoneClocksOfYear(const std::string& zone, int year) {
    const date::time_zone* tz = find(zone);  // resolved once for all days of the year
    std::vector<ZoneClock> clocks;
    for (int month = 1; month <= kMonthsPerYear; ++month) {
        for (int day = 1; day <= daysInMonth(year, month); ++day) {
            const std::optional<ZoneClock> clock = clockAtNoon(tz, year, month, day);
            if (!clock) return std::nullopt;
            clocks.push_back(*clock);
        }
    }
    return clocks;
}

}  // namespace kelmo
