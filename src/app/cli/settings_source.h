// Where kelmo-cli takes its settings and home location from before the options override them.
#pragma once

#include "app/cli/cli_options.h"

namespace kelmo::cli {

// Fills resolved.config and resolved.location (the home or the --location place).
CliError loadSettings(const CliOptions& options, Resolved& resolved);

}  // namespace kelmo::cli
