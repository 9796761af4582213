// Where an installed program keeps and finds its files, after the freedesktop.org XDG base
// directory rules (version 0.8): the user's settings in $XDG_CONFIG_HOME (default ~/.config),
// the program's own data (sounds, help page) beside the executable or in the share folder of
// the installation, then in $XDG_DATA_HOME and $XDG_DATA_DIRS.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelmo::platform {

// The name of the program's folders below the XDG folders.
inline constexpr const char* kSettingsFolderName = "KelmoTimes";
inline constexpr const char* kDataFolderName = "kelmotimes";

// "<$XDG_CONFIG_HOME, else $HOME/.config>/KelmoTimes/" (a relative $XDG_CONFIG_HOME is
// ignored, as the standard asks). $HOME that is unset or relative gives way to the home folder
// of the user's entry in the password file, never to the current folder; without any home
// folder the result is "" (the settings then stay beside the executable).
std::string userConfigDirectory();

// "<$XDG_CONFIG_HOME, else $HOME/.config>/autostart" ("" without a home folder, which the
// autostart entry reports as a folder it cannot open).
std::string userAutostartDirectory();

// "<each of $XDG_CONFIG_DIRS, else /etc/xdg>/autostart": the machine-wide autostart folders.
std::vector<std::string> systemAutostartDirectories();

// $XDG_RUNTIME_DIR, the user's private folder for sockets and the like, when it is set to an
// absolute path; else "".
std::string userRuntimeDirectory();

// "<$XDG_DATA_HOME, else $HOME/.local/share>/", then each of $XDG_DATA_DIRS (default
// /usr/local/share:/usr/share), each ending in a separator: where desktop files are found.
std::vector<std::string> xdgDataDirectories();

// The program's own data file name, looked for in order in the program directory,
// "<program directory>../share/kelmotimes/", then "kelmotimes/" in $XDG_DATA_HOME (default
// ~/.local/share) and in each of $XDG_DATA_DIRS (default /usr/local/share:/usr/share); the
// name beside the executable (programPath) when none holds it, so that a failure names the
// usual place.
std::string dataFilePath(std::string_view name);

}  // namespace kelmo::platform
