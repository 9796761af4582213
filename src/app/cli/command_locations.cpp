// kelmo-cli locations: the location database of the configuration file (or of the built-in
// file), one place per line, or as JSON.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/settings_source.h"
#include "base/angles.h"
#include "base/config.h"
#include "calendar/utf8_text.h"
#include "files/settings/config_file.h"
#include "files/settings/field_scanner.h"
#include "files/settings/location_database.h"

namespace kelmo::cli {

namespace {

// "Manama,Bahrain    26.2361  50.5831     0   3.00     0     0 Asia/Bahrain *" (degrees;
// the zone when there is one; * = home).
std::string textLine(const Location& l, bool home) {
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, " %9.4f %9.4f %5d %6.2f %5d %5d%s%s%s\n",
                  l.latitude * kRadToDeg, l.longitude * kRadToDeg, l.height, l.timeZone, l.dstStart,
                  l.dstEnd, l.zone.empty() ? "" : " ", l.zone.c_str(), home ? " *" : "");
    std::string line;
    appendPadded(line, l.name, Location::kNameLength);  // by the cells the name takes
    return line + numbers;
}

nlohmann::json jsonPlace(const Location& l, bool home) {
    return {{"name", l.name},
            {"latitude_deg", l.latitude * kRadToDeg},
            {"longitude_deg", l.longitude * kRadToDeg},
            {"height_m", l.height},
            {"time_zone", l.timeZone},
            {"dst_start", l.dstStart},
            {"dst_end", l.dstEnd},
            {"zone", l.zone.empty() ? nlohmann::json() : nlohmann::json(l.zone)},
            {"home", home}};
}

int runLocations(const CliOptions& options, const platform::Clock&) {
    std::string text;
    if (CliError e = configurationText(options.settings, text)) return report(e);
    std::vector<Location> list;
    if (const int code = locationsFromText(text, list)) return report(tableError(code));
    Location home;
    Config config;
    configFromText(text, home, config);  // only the home name is used; none marks no place
    std::string out;
    if (options.output.format == "json") {
        nlohmann::json places = nlohmann::json::array();
        for (const Location& l : list)
            places.push_back(jsonPlace(l, equalsIgnoringCase(l.name, home.name)));
        out = places.dump() + "\n";
    } else {
        for (const Location& l : list) out += textLine(l, equalsIgnoringCase(l.name, home.name));
    }
    return report(writeOutput(options.output, out));
}

}  // namespace

void addLocationsCommand(CLI::App& app, CommandRun& run) {
    CommandShape shape;
    shape.place = false;
    shape.date = false;
    addCommand(app, run, "locations",
               "the location database of Kelmo.cfg (name, degrees, metres, zone, summer-time "
               "codes; * marks home)",
               shape, runLocations);
}

}  // namespace kelmo::cli
