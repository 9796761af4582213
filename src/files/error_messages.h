// Error codes of the program and their message texts.
// Every failure reported to the user is an integer code (0 = success). Each text ends in
// "!" and one TAB; any code not in the table gives "Unknown error!\t".
#pragma once

namespace kelmo {

// The message text of an error code (a static string, never null).
const char* errorMessage(int code);

}  // namespace kelmo
