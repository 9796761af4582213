// The second step of start-up: the options of the command line, which change single settings
// for this run only. Each option is followed by its value:
//   /f N  maxAcceptableError      /r N  refraction       /p N  pressure
//   /t N  run as the Timer (N > 0 also replaces alertFlags)
//   /d N  temperature             /e NAME  editor        /n N  nMinutes
// "/f" and "/p" are compared with letter case, the others without. An option whose value does
// not pass (not a number, or a number beyond an int) is skipped like an unknown one. The values
// that Kelmo.cfg stores are brought into the range it holds (/f and /r 0..255, /n 0..120), so
// that saving them never writes a file its reader refuses; the echo shows the value taken. Accepted
// values are echoed in one message with their count ("/t" is neither echoed nor counted).
#pragma once

#include <string>
#include <string_view>

#include "base/config.h"
#include "files/settings/prompt.h"

namespace kelmo {

// True when every character of text is a decimal digit, except that the first may also be
// "+" or "-" (so "-" and "+" alone count, and convert to 0).
bool isNumber(std::string_view text);

// Reads the options of arguments (the command line after the program name) into config,
// setting config.timerMode to 1 for "/t" and to 0 otherwise. Reading stops where two words
// cannot be read. When any value was accepted, shows the echo text with prompt. Returns the
// echo text shown (empty when none).
std::string readCommandLine(std::string_view arguments, Config& config, Prompt& prompt);

}  // namespace kelmo
