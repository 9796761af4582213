// The program that opens the month and year reports: the configured editor, or the desktop's
// own opener for text files. A Kelmo.cfg made for Windows names "notepad.exe", which no Linux
// desktop has: that name, like an empty one, means the desktop's default.
#pragma once

#include <string>
#include <string_view>

namespace kelmo {

// The desktop's opener of files by their type (freedesktop.org xdg-utils).
inline constexpr const char* kDesktopOpener = "xdg-open";

// True when editor asks for the desktop's default: kDesktopOpener, "notepad.exe" (any letter
// case, the Windows default of Kelmo.cfg) or nothing.
bool isDesktopDefaultViewer(std::string_view editor);

// The program to start on a report for the configured editor.
std::string reportViewerProgram(const std::string& editor);

}  // namespace kelmo
