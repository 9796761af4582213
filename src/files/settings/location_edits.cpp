#include "files/settings/location_edits.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "files/settings/config_errors.h"
#include "files/settings/config_file.h"
#include "files/settings/config_line.h"
#include "files/settings/config_lines.h"
#include "files/settings/config_lock.h"
#include "files/settings/field_scanner.h"
#include "files/settings/file_replace.h"

namespace kelmo {

namespace {

// One change of the list and the home name; kDone when the file is to be written.
using Change = std::function<PlaceEdit(std::vector<Location>& places, std::string& homeName)>;

PlaceEditResult fileError(int code) {
    return {PlaceEdit::kFileError, code, {}, {}};
}

// The stored home name, the first word of line 1; false when there is none.
bool storedHomeName(std::string_view fileText, std::string& homeName) {
    ConfigLines lines(fileText);
    std::string_view firstLine;
    if (!lines.first(firstLine)) return false;
    FieldScanner scan(firstLine);
    std::string_view word;
    if (!scan.word(word)) return false;
    homeName = nameFromFile(word, lines.encoding());
    return true;
}

std::vector<Location>::iterator placeNamed(std::vector<Location>& places, std::string_view name) {
    return std::find_if(places.begin(), places.end(),
                        [name](const Location& l) { return equalsIgnoringCase(l.name, name); });
}

bool sortsBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

PlaceEditResult edit(const std::string& file, const Change& change) {
    const ConfigLock lock(file);
    if (lock.timedOut()) return fileError(kConfigCannotOpenWrite);
    std::string text;
    if (const int code = readConfigText(file, text)) return fileError(code);
    PlaceEditResult result;
    if (const int code = locationsFromText(text, result.places)) return fileError(code);
    if (!storedHomeName(text, result.homeName)) return fileError(kConfigCorrupt);
    result.outcome = change(result.places, result.homeName);
    if (result.outcome != PlaceEdit::kDone) return result;
    std::string newText;
    if (const int code = configTextWithLocations(text, result.homeName, result.places, newText)) {
        return fileError(code);
    }
    if (const int code = rewriteCode(replaceFileContents(file, newText), kConfigCannotOpenWrite,
                                     kConfigCannotOpenWrite)) {
        return fileError(code);
    }
    return result;
}

}  // namespace

PlaceEditResult addPlace(const Location& place, const std::string& file) {
    return edit(file, [&place](std::vector<Location>& places, std::string&) {
        if (places.size() >= kMaxPlacesAfterAdd) return PlaceEdit::kFull;
        if (placeNamed(places, place.name) != places.end()) return PlaceEdit::kNameExists;
        const auto at = std::upper_bound(
            places.begin(), places.end(), place.name,
            [](const std::string& name, const Location& l) { return sortsBefore(name, l.name); });
        places.insert(at, place);
        return PlaceEdit::kDone;
    });
}

PlaceEditResult changePlace(const Location& place, const std::string& file) {
    return edit(file, [&place](std::vector<Location>& places, std::string&) {
        const auto found = placeNamed(places, place.name);
        if (found == places.end()) return PlaceEdit::kNoSuchName;
        *found = place;
        return PlaceEdit::kDone;
    });
}

PlaceEditResult removePlace(std::string_view name, const std::string& file) {
    return edit(file, [name](std::vector<Location>& places, std::string& homeName) {
        const auto found = placeNamed(places, name);
        if (found == places.end()) return PlaceEdit::kNoSuchName;
        if (equalsIgnoringCase(found->name, homeName)) return PlaceEdit::kIsHome;
        places.erase(found);
        return PlaceEdit::kDone;
    });
}

PlaceEditResult choosePlaceAsHome(std::string_view name, const std::string& file) {
    return edit(file, [name](std::vector<Location>& places, std::string& homeName) {
        if (placeNamed(places, name) == places.end()) return PlaceEdit::kNoSuchName;
        homeName = name;
        return PlaceEdit::kDone;
    });
}

}  // namespace kelmo
