#include "calendar/time_zone_database.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <sstream>

#include "calendar/julian_day.h"

namespace kelmo {

namespace {

constexpr const char* kDefaultFolder = "/usr/share/zoneinfo";
constexpr const char* kZoneList = "tzdata.zi";  // the database's own list of zones and links
constexpr std::size_t kMaxZoneFileBytes = 1 << 20;
constexpr std::size_t kMaxNameLength = 64;

std::string folder() {
    const char* dir = std::getenv("TZDIR");
    return dir != nullptr && *dir != '\0' ? dir : kDefaultFolder;
}

// Zone names are words of letters, digits, '_', '-', '+' joined by single '/'.
bool isZoneName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength || name.front() == '/' || name.back() == '/')
        return false;
    if (name.find("//") != std::string::npos || name.find("..") != std::string::npos) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '-' ||
               c == '+' || c == '.';
    });
}

ZoneLookup readZone(const std::string& dir, const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(dir) / name;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return {std::nullopt, ZoneError::unknown};
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    bytes.resize(kMaxZoneFileBytes + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (!in.eof() || bytes.size() > kMaxZoneFileBytes) return {std::nullopt, ZoneError::unreadable};
    std::optional<ZoneHistory> history = parseTzif(bytes);
    if (!history) return {std::nullopt, ZoneError::unreadable};
    return {Zone::ofHistory(name, std::move(*history)), ZoneError::none};
}

}  // namespace

ZoneLookup findZone(const std::string& name) {
    if (!isZoneName(name)) return {std::nullopt, ZoneError::badName};
    static std::mutex mutex;
    static std::map<std::pair<std::string, std::string>, ZoneLookup> kept;
    const std::string dir = folder();
    const std::lock_guard<std::mutex> lock(mutex);
    const auto key = std::make_pair(dir, name);
    if (const auto it = kept.find(key); it != kept.end()) return it->second;
    return kept[key] = readZone(dir, name);
}

std::string zoneErrorText(const std::string& name, ZoneError error) {
    const std::string zone = "time zone \"" + name + "\": ";
    switch (error) {
        case ZoneError::none:
            return "";
        case ZoneError::badName:
            return zone + "not a zone name";
        case ZoneError::unknown:
            return zone + "no such zone in " + folder();
        case ZoneError::unreadable:
            return zone + "the zone file in " + folder() + " cannot be read or is damaged";
    }
    return zone;
}

bool isKnownZone(const std::string& name) {
    return findZone(name).zone.has_value();
}

std::vector<std::string> zoneNames() {
    std::ifstream in(std::filesystem::path(folder()) / kZoneList);
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind, first, second;
        words >> kind >> first >> second;
        if (kind == "Z") names.push_back(first);   // "Z name offset ..."
        if (kind == "L") names.push_back(second);  // "L target name"
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::optional<std::vector<ZoneClock>> zoneClocksOfYear(const std::string& name, int year) {
    const ZoneLookup found = findZone(name);
    if (!found.zone) return std::nullopt;
    const Zone& zone = *found.zone;
    std::vector<ZoneClock> clocks;
    CalendarDate date;
    date.year = year;
    for (date.month = 1; date.month <= kMonthsPerYear; ++date.month) {
        for (int day = 1; day <= daysInMonth(year, date.month); ++day) {
            date.day = day;
            const Instant noon = zone.noonOf(date);
            const long double minutes = zone.offsetAt(noon).count() / 60.0L;
            clocks.push_back({static_cast<int>(std::lround(minutes)), zone.isSummerAt(noon)});
        }
    }
    return clocks;
}

}  // namespace kelmo
