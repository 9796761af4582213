// Error codes of the program and their message texts.
// Every failure reported to the user is an integer code (0 = success). Each text ends in
// "!" and one TAB; any code not in the table gives "Unknown error!\t".
#pragma once

#include <string>

namespace kelmo {

// A date outside the years of the chosen Hijri calendar (Umm al-Qura: 1300 to 1600 AH).
inline constexpr int kErrorOutsideCalendar = 402;

// The message text of an error code (a static string, never null).
const char* errorMessage(int code);

// The message text without its closing TAB, for a line of a terminal or a log.
std::string errorText(int code);

}  // namespace kelmo
