// Where kelmo-cli takes its settings and home location from before the options override them:
// the configuration file (--config FILE, else the desktop program's: Kelmo.cfg beside the
// executable when it exists there, else $XDG_CONFIG_HOME/KelmoTimes/Kelmo.cfg), or the built-in
// file in memory when it cannot be read. The tool never writes the file.
#pragma once

#include <string>

#include "app/cli/cli_options.h"

namespace kelmo::cli {

// The configuration file used without --config.
std::string defaultConfigFile();

// The contents of the configuration file of the options into text. A --config file that
// cannot be read is a failure (100); the default file falls back to the built-in one.
CliError configurationText(const SettingsOptions& settings, std::string& text);

// An error of the message table as the tool reports it: exit status 1, the text without TAB.
CliError tableError(int code);

// Fills resolved.config and resolved.location (the home or the --location place, found in any
// letter case). A --location name that is not in the file is a usage error (status 2); a file
// that does not load is a failure (status 1).
CliError loadSettings(const CliOptions& options, Resolved& resolved);

}  // namespace kelmo::cli
