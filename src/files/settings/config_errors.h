// The error codes of the configuration file (texts in error_messages.cpp).
#pragma once

#include "files/settings/file_replace.h"

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
inline constexpr int kZoneUnreadable = 118;         // the place's tz zone file cannot be read

// The code of a rewrite of the configuration file: 0 when done, 105 when writing failed, and
// the caller's codes for a temporary file that could not be made and for a failed rename.
inline int rewriteCode(ReplaceResult result, int cannotCreate, int cannotRename) {
    switch (result) {
        case ReplaceResult::kDone:
            return 0;
        case ReplaceResult::kCannotWrite:
            return kConfigCannotWrite;
        case ReplaceResult::kCannotCreate:
            return cannotCreate;
        case ReplaceResult::kCannotRename:
        case ReplaceResult::kUnsafeLink:
            break;
    }
    return cannotRename;
}

}  // namespace kelmo
