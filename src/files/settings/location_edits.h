// The changes the Location dialog makes to the location database, each applied to Kelmo.cfg as
// it is on disk at that moment, under the file's lock (config_lock.h): read the file, make the
// one change, write it, unlock. Another window or process that changed the file in between
// keeps its change; nothing is written from a list held in memory.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/location.h"
#include "files/settings/location_database.h"
#include "files/settings/program_path.h"

namespace kelmo {

// The most places an Add leaves in the database (one fewer than a list can hold).
inline constexpr std::size_t kMaxPlacesAfterAdd = kMaxLocations - 1;

enum class PlaceEdit {
    kDone,
    kFileError,   // the file could not be read, locked or written: error holds the code
    kNameExists,  // Add: a place of that name (letter case ignored) is there already
    kNoSuchName,  // Change, Remove, home: no place of that name
    kIsHome,      // Remove: the place is the stored home location
    kFull,        // Add: the database holds kMaxPlacesAfterAdd places already
};

struct PlaceEditResult {
    PlaceEdit outcome = PlaceEdit::kDone;
    int error = 0;                 // for kFileError: 100, 101, 102, 105, 106 or 117
    std::vector<Location> places;  // the database as the file now holds it (none after a
                                   // failed read)
    std::string homeName;          // the stored home name, ";" read as blanks
};

// Inserts place before the first place whose name sorts after it (letter case ignored), as a
// sorted list box inserts.
PlaceEditResult addPlace(const Location& place, const std::string& file = configFilePath());
// The place of the same name (letter case ignored) takes place's data and spelling.
PlaceEditResult changePlace(const Location& place, const std::string& file = configFilePath());
// Removes the place of that name (letter case ignored); never the stored home location.
PlaceEditResult removePlace(std::string_view name, const std::string& file = configFilePath());
// Makes name, as written, the home name of line 1; the place must be in the database.
PlaceEditResult choosePlaceAsHome(std::string_view name,
                                  const std::string& file = configFilePath());

}  // namespace kelmo
