#include "files/config_file.h"

#include <filesystem>

#include "files/config_errors.h"
#include "files/config_line.h"
#include "files/default_locations.h"
#include "files/field_scanner.h"
#include "files/file_replace.h"
#include "files/location_database.h"

namespace kelmo {

namespace fs = std::filesystem;

int readConfigText(const std::string& file, std::string& text) {
    switch (readFileBytes(file, text)) {
        case ReadResult::kDone:
            return 0;
        case ReadResult::kTooLarge:
            return kConfigTooLarge;
        case ReadResult::kCannotRead:
            break;
    }
    return kConfigCannotOpen;
}

int configFromText(std::string_view fileText, Location& home, Config& config) {
    LineReader lines(fileText);
    std::string_view firstLine;
    if (!lines.next(firstLine)) return kConfigEmpty;
    if (const int code = parseConfigLine(firstLine, home.name, config)) return code;
    return findLocationInText(fileText, home);
}

int loadConfig(Location& home, Config& config, const std::string& file) {
    std::string text;
    if (const int code = readConfigText(file, text)) return code;
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
    // What the reader would refuse is never written (a command-line value, say).
    std::string readHome;
    Config readBack;
    if (parseConfigLine(newText, readHome, readBack) != 0) return kConfigCorrupt;
    newText += '\n';
    newText += lines.rest();  // every location line, byte for byte
    return 0;
}

int saveConfig(const Config& config, const std::string& file) {
    std::string oldText, newText;
    if (const int code = readConfigText(file, oldText)) return code;
    if (const int code = configTextWithSettings(oldText, config, newText)) return code;
    return rewriteCode(replaceFileContents(file, newText), kConfigCannotOpenTemp,
                       kConfigCannotOpenWrite);
}

namespace {

// Writing the built-in file or its backup: whatever stops the new file is 104.
int createCode(ReplaceResult result) {
    return rewriteCode(result, kConfigCannotCreate, kConfigCannotCreate);
}

// Keeps the file that is about to be replaced as file + ".bak": 0, 104 or 105.
int keepBackup(const std::string& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return 0;  // nothing there to keep
    const std::string backup = file + kBackupSuffix;
    std::string text;
    switch (readFileBytes(file, text)) {
        case ReadResult::kDone:
            return createCode(replaceFileContents(backup, text));
        case ReadResult::kTooLarge:
            fs::copy_file(file, backup, fs::copy_options::overwrite_existing, error);
            return error ? kConfigCannotCreate : 0;
        case ReadResult::kCannotRead:
            break;
    }
    return kConfigCannotCreate;
}

}  // namespace

int createDefaultConfig(Location& home, Config& config, const std::string& file) {
    if (const int code = keepBackup(file)) return code;
    if (const int code = createCode(replaceFileContents(file, defaultConfigText()))) return code;
    return loadConfig(home, config, file);
}

}  // namespace kelmo
