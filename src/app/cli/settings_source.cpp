#include "app/cli/settings_source.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "files/error_messages.h"
#include "files/settings/config_errors.h"
#include "files/settings/config_file.h"
#include "files/settings/default_locations.h"
#include "files/settings/field_scanner.h"
#include "files/settings/file_replace.h"
#include "files/settings/location_database.h"
#include "files/settings/program_path.h"
#include "platform/user_folders.h"

namespace kelmo::cli {

namespace {

// The place named on the command line (UTF-8), with the database's spelling of its name.
CliError findPlace(const std::string& text, const std::string& utf8Name, Location& place) {
    place = Location{};
    if (CliError e = terminalPlaceName(utf8Name, place.name)) return e;
    const std::string name = place.name;
    const int code = findLocationInText(text, place);
    if (code == kConfigHomeNotFound || code == kConfigEmpty) {
        return {kExitUsage, "unknown location: " + utf8Name};
    }
    if (code != 0) return tableError(code);
    std::vector<Location> list;
    if (locationsFromText(text, list) == 0) {
        for (const Location& stored : list) {
            if (equalsIgnoringCase(stored.name, name)) {
                place.name = stored.name;
                break;
            }
        }
    }
    return {};
}

}  // namespace

std::string defaultConfigFile() {
    static const std::string file = [] {
        std::error_code error;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
        setProgramDir(error ? std::string() : exe.string(), "");
        setUserConfigDir(platform::userConfigDirectory());
        return configFilePath();
    }();
    return file;
}

CliError configurationText(const SettingsOptions& settings, std::string& text) {
    if (settings.configFile) {
        if (const int code = readConfigText(*settings.configFile, text)) return tableError(code);
        return {};
    }
    if (!readFileText(defaultConfigFile(), text)) text = defaultConfigText();
    return {};
}

CliError tableError(int code) {
    return {kExitFailure, errorText(code)};
}

CliError loadSettings(const CliOptions& options, Resolved& resolved) {
    std::string text;
    if (CliError e = configurationText(options.settings, text)) return e;
    resolved.config = Config{};
    Location home;
    const int code = configFromText(text, home, resolved.config);
    if (!options.place.location) {
        if (code != 0) return tableError(code);
        resolved.location = home;
        return {};
    }
    // The settings line must read; the home place itself is not needed.
    if (code != 0 && code != kConfigHomeNotFound) return tableError(code);
    return findPlace(text, *options.place.location, resolved.location);
}

}  // namespace kelmo::cli
