// Starting another program without waiting for it (POSIX fork and exec).
#pragma once

#include <string>
#include <vector>

#include "files/reports/show_report.h"

namespace kelmo::platform {

// The file that program names: the name as given (relative to the current directory when it
// holds no "/"), then, for a name without "/", the directories of the PATH environment
// variable in order. Only executable regular files count; empty when none is found.
std::string findProgram(const std::string& program);

// Starts program with args (the words after its name, which becomes argument 0) in a new session
// and returns as soon as it runs, without waiting for it to end. The program is run by a grandchild
// that is handed to the init process, so no zombie is left behind.
//   returns started, notFound (findProgram found nothing) or failed (fork or exec failed)
ProgramStart startDetached(const std::string& program, const std::vector<std::string>& args);

}  // namespace kelmo::platform
