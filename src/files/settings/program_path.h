// The program's directory and the file names formed from it, and the folder of the settings.
// The directory is taken from the process's command line once at start. Kelmo.cfg beside the
// executable is used when it exists there (the portable layout); otherwise the settings live in
// the user's own folder ($XDG_CONFIG_HOME/KelmoTimes/, given by the program at start), which
// is created when they are first saved. The report file Kelmo.out goes beside Kelmo.cfg.
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

// Sets the user's folder of the settings (ending in a separator); empty (the default) keeps
// every file beside the executable.
void setUserConfigDir(std::string_view directory);

// Kelmo.cfg beside the executable when it exists there or no user folder is set, else
// Kelmo.cfg in the user folder.
std::string configFilePath();

// The folder of configFilePath() (ending in a separator, empty for the current directory)
// followed by fileName.
std::string settingsPath(std::string_view fileName);

// Creates the user's folder of the settings when it is missing and Kelmo.cfg belongs there;
// false when it cannot be.
bool makeSettingsFolder();

// The folder part of path including its separator; empty for a bare file name.
std::string directoryOf(const std::string& path);

// Replaces every occurrence of from in text by to.
void replaceChar(std::string& text, char from, char to);

}  // namespace kelmo
