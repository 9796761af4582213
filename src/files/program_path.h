// The program's directory and the file names formed from it.
// Kelmo.cfg lives beside the executable; the directory is taken from the process's command
// line once at start and every file name is formed from it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelmo {

inline constexpr const char* kConfigFileName = "Kelmo.cfg";

// Takes the program directory from the whole command line of the process. arguments is the
// part after the program name (may be empty): the command line is cut where it first occurs.
// The directory runs from the start (one leading double quote skipped) up to and including
// the last "\" or "/" before the cut; without one it is empty (the current directory).
// Returns the length of the directory.
std::size_t setProgramDir(std::string_view commandLine, std::string_view arguments);

// The program directory followed by fileName.
std::string programPath(std::string_view fileName);

// Kelmo.cfg in the program directory.
std::string configFilePath();

// Replaces every occurrence of from in text by to.
void replaceChar(std::string& text, char from, char to);

}  // namespace kelmo
