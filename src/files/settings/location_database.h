// The location database: the lines after the first of Kelmo.cfg, one place each.
// Every operation opens and closes the file itself and returns an error code (0 = success;
// config_errors.h); a rewrite is atomic (file_replace.h). The text functions do the same
// work on the contents of a file in memory.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/location.h"
#include "files/settings/program_path.h"

namespace kelmo {

// The database holds at most this many places; further lines are not read, and a rewrite
// keeps them after the places of its list.
inline constexpr std::size_t kMaxLocations = 2000;

// Looks location.name up among the location lines (letter case ignored, names compared whole)
// and fills the other six fields from the first match. Stops with 102 at the first location
// line that does not read or check. Returns 0, 100, 101 (no location line), 102, 103
// (not found) or 117 (too large).
int findLocation(Location& location, const std::string& file = configFilePath());
int findLocationInText(std::string_view fileText, Location& location);

// Reads every location line, in file order, into list (emptied first). Returns 0, 100, 101,
// 102 or 117; after a failure list is empty.
int loadLocations(std::vector<Location>& list, const std::string& file = configFilePath());
int locationsFromText(std::string_view fileText, std::vector<Location>& list);

// Rewrites the file: line 1 with its first word replaced by homeName (its other fields kept
// byte for byte), then the places of list in order, then the lines beyond the first
// kMaxLocations places of the old file, byte for byte. The names are written in Windows-1252
// while it holds every one of them, else the whole file in UTF-8 after a byte-order mark
// (config_lines.h); the kept lines then change only in the encoding of their names. Returns 0, 100,
// 102 (no first line or no first word), 105 (write failed), 106 (the file may not be written or
// could not be replaced) or 117.
int saveLocations(std::string_view homeName, std::span<const Location> list,
                  const std::string& file = configFilePath());
// The new file text for saveLocations: 0 or 102.
int configTextWithLocations(std::string_view fileText, std::string_view homeName,
                            std::span<const Location> list, std::string& newText);

}  // namespace kelmo
