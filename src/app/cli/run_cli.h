// The whole of kelmo-cli as one call: parses the command line, runs the chosen command and
// returns the exit status (the program's main and the command-line fuzz target share it).
#pragma once

#include "platform/clock.h"

namespace kelmo::cli {

// argv[0] is the program's name. Output goes to standard output, messages to standard error.
int runKelmoCli(int argc, const char* const* argv, const platform::Clock& clock);

}  // namespace kelmo::cli
