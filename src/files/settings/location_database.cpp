#include "files/settings/location_database.h"

#include <algorithm>

#include "files/settings/config_errors.h"
#include "files/settings/config_file.h"
#include "files/settings/config_line.h"
#include "files/settings/config_lines.h"
#include "files/settings/field_scanner.h"
#include "files/settings/file_replace.h"
#include "files/settings/name_encoding.h"

namespace kelmo {

int findLocationInText(std::string_view fileText, Location& location) {
    ConfigLines lines(fileText);
    std::string_view line;
    if (!lines.first(line)) return kConfigEmpty;  // not even the configuration line
    bool anyLocation = false;
    while (lines.nextPlace(line)) {
        anyLocation = true;
        Location stored;
        if (parseLocationLine(line, stored, lines.encoding()) != 0) {
            if (lines.atCutShortEnd()) break;
            return kConfigCorrupt;
        }
        if (equalsIgnoringCase(stored.name, location.name)) {
            stored.name = std::move(location.name);
            location = std::move(stored);
            return 0;
        }
    }
    return anyLocation ? kConfigHomeNotFound : kConfigEmpty;
}

int findLocation(Location& location, const std::string& file) {
    std::string text;
    if (const int code = readConfigText(file, text)) return code;
    return findLocationInText(text, location);
}

int locationsFromText(std::string_view fileText, std::vector<Location>& list) {
    list.clear();
    ConfigLines lines(fileText);
    std::string_view line;
    if (!lines.first(line)) return kConfigEmpty;
    while (list.size() < kMaxLocations && lines.nextPlace(line)) {
        Location location;
        if (parseLocationLine(line, location, lines.encoding()) != 0) {
            if (lines.atCutShortEnd()) break;
            list.clear();
            return kConfigCorrupt;
        }
        list.push_back(std::move(location));
    }
    return list.empty() ? kConfigEmpty : 0;
}

int loadLocations(std::vector<Location>& list, const std::string& file) {
    list.clear();
    std::string text;
    if (const int code = readConfigText(file, text)) return code;
    return locationsFromText(text, list);
}

int configTextWithLocations(std::string_view fileText, std::string_view homeName,
                            std::span<const Location> list, std::string& newText) {
    ConfigLines lines(fileText);
    std::string_view firstLine;
    if (!lines.first(firstLine)) return kConfigCorrupt;
    FieldScanner scan(firstLine);
    std::string_view storedHome;
    if (!scan.word(storedHome)) return kConfigCorrupt;
    // The rest of line 1 from the end of the stored home name on, byte for byte.
    const std::size_t restStart = storedHome.data() + storedHome.size() - firstLine.data();
    // The lines beyond the places a list holds were never loaded: they stay as they are.
    std::string_view line;
    for (std::size_t i = 0; i < kMaxLocations && lines.nextPlace(line);) ++i;
    const bool namesFit =
        nameFitsWindows1252(homeName) &&
        std::all_of(list.begin(), list.end(),
                    [](const Location& l) { return nameFitsWindows1252(l.name); }) &&
        linesFitWindows1252(lines.rest(), lines.encoding());
    const NameEncoding encoding = encodingFor(namesFit);
    newText = fileStart(encoding);
    newText += nameForFile(homeName, encoding);
    newText += firstLine.substr(restStart);
    newText += '\n';
    for (const Location& location : list) {
        newText += formatLocationLine(location, encoding);
        newText += '\n';
    }
    newText += linesIn(lines.rest(), lines.encoding(), encoding);
    return 0;
}

int saveLocations(std::string_view homeName, std::span<const Location> list,
                  const std::string& file) {
    std::string oldText, newText;
    if (const int code = readConfigText(file, oldText)) return code;
    if (const int code = configTextWithLocations(oldText, homeName, list, newText)) return code;
    return rewriteCode(replaceFileContents(file, newText), kConfigCannotOpenWrite,
                       kConfigCannotOpenWrite);
}

}  // namespace kelmo
