#include "calendar/time_zone_database.h"

#include <date/tz.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>

#include "calendar/julian_day.h"
#include "calendar/tzif_zone.h"

namespace kelmo {

namespace {

// Years the library's civil-day arithmetic handles.
constexpr int kFirstYear = -32767;
constexpr int kLastYear = 32767;
constexpr const char* kZoneFolder = "/usr/share/zoneinfo/";
constexpr int kSecondsPerMinute = 60;

// A zone name as the database spells them ("America/Argentina/Buenos_Aires", "Etc/GMT+3"):
// no absolute path, no step up out of the database's folder.
bool isZoneName(const std::string& zone) {
    const bool plain = std::all_of(zone.begin(), zone.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '-' ||
               c == '+';
    });
    return plain && !zone.empty() && zone.front() != '/';
}

// The zone read from its own file of the database (tzif_zone.h): finding it through the
// library would list every zone first, which costs a short-lived program (kelmo-cli next,
// run by status bars every few seconds) more than all of its computing. Zones read, and
// names that are none, stay known for the life of the process.
const TzifZone* find(const std::string& zone) {
    static std::mutex guard;
    static std::map<std::string, std::optional<TzifZone>> read;
    if (!isZoneName(zone)) return nullptr;
    const std::lock_guard<std::mutex> lock(guard);
    auto known = read.find(zone);
    if (known == read.end()) {
        std::ifstream file(kZoneFolder + zone, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        known = read.emplace(zone, parseTzif(bytes)).first;
    }
    return known->second ? &*known->second : nullptr;
}

int gregorianDaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::optional<ZoneClock> clockAtNoon(const TzifZone* tz, int year, int month, int day) {
    if (tz == nullptr || year < kFirstYear || year > kLastYear || month < 1 || month > 12 ||
        day < 1 || day > gregorianDaysInMonth(year, month))
        return std::nullopt;
    const std::chrono::seconds noon =
        date::sys_days{date::year{year} / month / day}.time_since_epoch() + std::chrono::hours{12};
    // The instant of local noon: the offset of the instant found with the offset at noon UT.
    const std::int64_t local = noon.count();
    const TzifType guess = typeAt(*tz, local - typeAt(*tz, local).offset);
    const TzifType type = typeAt(*tz, local - guess.offset);
    return ZoneClock{type.offset / kSecondsPerMinute, type.daylightSaving};
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
    const TzifZone* tz = find(zone);  // resolved once for all days of the year
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
