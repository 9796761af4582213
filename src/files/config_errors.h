// The error codes of the configuration file (texts in error_messages.cpp).
#pragma once

namespace kelmo {

inline constexpr int kConfigCannotOpen = 100;       // could not open for reading
inline constexpr int kConfigEmpty = 101;            // no line, or no location line
inline constexpr int kConfigCorrupt = 102;          // a line that does not read or check
inline constexpr int kConfigHomeNotFound = 103;     // the home name is not among the locations
inline constexpr int kConfigCannotCreate = 104;     // the built-in file could not be created
inline constexpr int kConfigCannotWrite = 105;      // writing the new contents failed
inline constexpr int kConfigCannotOpenWrite = 106;  // the file could not be opened for writing
inline constexpr int kConfigCannotOpenTemp = 116;   // the temporary file could not be opened
inline constexpr int kConfigTooLarge = 117;         // far larger than any configuration file

}  // namespace kelmo
