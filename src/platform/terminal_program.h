// Programs that run only in a terminal, such as the text editors vim and nano: their desktop
// entry says "Terminal=true". Started from a desktop program they show nothing, so they are
// started in the terminal emulator of the Debian alternatives system.
// Source: freedesktop.org "Desktop Entry" 1.5 (the Terminal key, the applications folders);
// Debian Policy 11.8.3 (x-terminal-emulator and its "-e" option).
#pragma once

#include <string>

namespace kelmo::platform {

inline constexpr const char* kTerminalEmulator = "x-terminal-emulator";

// True when the desktop entry "<name>.desktop" of program (its file name without a folder),
// the first found in the applications folder of xdgDataDirectories(), says Terminal=true.
bool runsInTerminal(const std::string& program);

}  // namespace kelmo::platform
