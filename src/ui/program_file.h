// The program's own executable in the program directory (what starts the background Timer).
#pragma once

#include <string>

namespace kelmo::ui {

// programPath of the running executable's file name ("Kelmo").
std::string ownProgramFile();

}  // namespace kelmo::ui
