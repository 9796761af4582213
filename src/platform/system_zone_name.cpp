#include "platform/system_zone_name.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "calendar/time_zone_database.h"

namespace kelmo::platform {

namespace {

constexpr const char* kZoneFolder = "zoneinfo/";

// "/usr/share/zoneinfo/Europe/Oslo" -> "Europe/Oslo"; a name stays as it is.
std::string nameOfZoneFile(const std::string& path) {
    const std::size_t folder = path.rfind(kZoneFolder);
    return folder == std::string::npos ? path
                                       : path.substr(folder + std::string(kZoneFolder).size());
}

// A name the tz database knows (not a POSIX rule such as "CET-1CEST").
bool looksLikeZoneName(const std::string& name) {
    return !name.empty() && isKnownZone(name);
}

}  // namespace

std::string systemZoneName() {
    if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
        const std::string name = nameOfZoneFile(tz[0] == ':' ? tz + 1 : tz);
        return looksLikeZoneName(name) ? name : std::string();
    }
    std::ifstream file("/etc/timezone");
    std::string name;
    if (std::getline(file, name) && looksLikeZoneName(name)) return name;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink("/etc/localtime", error);
    return error ? std::string() : nameOfZoneFile(target.string());
}

}  // namespace kelmo::platform
