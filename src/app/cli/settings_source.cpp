#include "app/cli/settings_source.h"

#include "base/angles.h"

namespace kelmo::cli {

namespace {

// The built-in home location until a configuration file is read.
Location builtInHome() {
    Location home;
    home.name = "Manama,Bahrain";
    home.latitude = 0.45790652;
    home.longitude = 0.88284087;
    home.timeZone = 3.0f;
    return home;
}

}  // namespace

CliError loadSettings(const CliOptions& options, Resolved& resolved) {
    resolved.config = Config{};
    resolved.location = builtInHome();
    if (options.place.location) {
        return {kExitUsage, "unknown location: " + *options.place.location};
    }
    return {};
}

}  // namespace kelmo::cli
