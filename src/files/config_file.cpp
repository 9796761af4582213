#include "files/config_file.h"

#include "files/config_errors.h"
#include "files/config_line.h"
#include "files/default_locations.h"
#include "files/field_scanner.h"
#include "files/file_replace.h"
#include "files/location_database.h"

namespace kelmo {

int configFromText(std::string_view fileText, Location& home, Config& config) {
    LineReader lines(fileText);
    std::string_view firstLine;
    if (!lines.next(firstLine)) return kConfigEmpty;
    if (const int code = parseConfigLine(firstLine, home.name, config)) return code;
    return findLocationInText(fileText, home);
}

int loadConfig(Location& home, Config& config, const std::string& file) {
    std::string text;
    if (!readFileText(file, text)) return kConfigCannotOpen;
    return configFromText(text, home, config);
}

int configTextWithSettings(std::string_view fileText, const Config& config, std::string& newText) {
    LineReader lines(fileText);
    std::string_view firstLine;
    if (!lines.next(firstLine)) return kConfigEmpty;
    FieldScanner scan(firstLine);
    std::string_view storedHome;
    if (!scan.word(storedHome)) return kConfigCorrupt;
    newText = formatConfigLine(storedHome, config);
    newText += '\n';
    newText += lines.rest();  // every location line, byte for byte
    return 0;
}

int saveConfig(const Config& config, const std::string& file) {
    std::string oldText, newText;
    if (!readFileText(file, oldText)) return kConfigCannotOpen;
    if (const int code = configTextWithSettings(oldText, config, newText)) return code;
    switch (replaceFileContents(file, newText)) {
        case ReplaceResult::kDone:
            return 0;
        case ReplaceResult::kCannotCreate:
            return kConfigCannotOpenTemp;
        case ReplaceResult::kCannotWrite:
            return kConfigCannotWrite;
        case ReplaceResult::kCannotRename:
            break;
    }
    return kConfigCannotOpenWrite;
}

int createDefaultConfig(Location& home, Config& config, const std::string& file) {
    switch (replaceFileContents(file, defaultConfigText())) {
        case ReplaceResult::kDone:
            return loadConfig(home, config, file);
        case ReplaceResult::kCannotWrite:
            return kConfigCannotWrite;
        case ReplaceResult::kCannotCreate:
        case ReplaceResult::kCannotRename:
            break;
    }
    return kConfigCannotCreate;
}

}  // namespace kelmo
