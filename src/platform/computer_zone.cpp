#include "platform/computer_zone.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "calendar/clock_rule.h"
#include "calendar/time_zone_database.h"

namespace kelmo::platform {

namespace {

constexpr const char* kLocaltime = "/etc/localtime";
constexpr std::size_t kMaxZoneFileBytes = 1 << 20;

ComputerZone fromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, "cannot read " + path};
    std::string bytes;
    bytes.resize(kMaxZoneFileBytes);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    std::optional<ZoneHistory> history = parseTzif(bytes);
    if (!history) return {std::nullopt, path + " is no zone file"};
    return {Zone::ofHistory("", std::move(*history)), ""};
}

}  // namespace

ComputerZone computerZone(const std::optional<std::string>& tz, const std::string& localtimeFile) {
    if (!tz || tz->empty()) return fromFile(localtimeFile);
    const std::string name = (*tz)[0] == ':' ? tz->substr(1) : *tz;
    if (!name.empty() && name[0] == '/') return fromFile(name);
    if (const ZoneLookup found = findZone(name); found.zone) return {found.zone, ""};
    if (const std::optional<ClockRule> rule = parseClockRule(name))
        return {Zone::ofRule(*rule), ""};
    return {std::nullopt, "TZ=" + *tz + " names no time zone"};
}

ComputerZone systemComputerZone() {
    const char* tz = std::getenv("TZ");
    return computerZone(tz ? std::optional<std::string>(tz) : std::nullopt, kLocaltime);
}

ComputerTime computerTime(const Clock& clock) {
    ComputerZone found = systemComputerZone();
    return {clock.now(), found.zone ? *found.zone : Zone::fixed(Seconds{0.0L})};
}

}  // namespace kelmo::platform
