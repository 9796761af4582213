#include "files/settings/config_file.h"

#include <filesystem>

#include "files/settings/config_errors.h"
#include "files/settings/config_line.h"
#include "files/settings/config_lines.h"
#include "files/settings/config_lock.h"
#include "files/settings/default_locations.h"
#include "files/settings/field_scanner.h"
#include "files/settings/file_replace.h"
#include "files/settings/location_database.h"
#include "files/settings/name_encoding.h"

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
    ConfigLines lines(fileText);
    std::string_view firstLine;
    if (!lines.first(firstLine)) return kConfigEmpty;
    if (const int code = parseConfigLine(firstLine, home.name, config, lines.encoding())) {
        return code;
    }
    return findLocationInText(fileText, home);
}

int loadConfig(Location& home, Config& config, const std::string& file) {
    std::string text;
    if (const int code = readConfigText(file, text)) return code;
    return configFromText(text, home, config);
}

int configTextWithSettings(std::string_view fileText, const Config& config, std::string& newText) {
    ConfigLines lines(fileText);
    std::string_view firstLine;
    if (!lines.first(firstLine)) return kConfigEmpty;
    FieldScanner scan(firstLine);
    std::string_view storedHome;
    if (!scan.word(storedHome)) return kConfigCorrupt;
    // A file whose names all fit again goes back to Windows-1252; else every location line
    // stays byte for byte.
    const NameEncoding encoding = encodingFor(linesFitWindows1252(storedHome, lines.encoding()) &&
                                              linesFitWindows1252(lines.rest(), lines.encoding()));
    const std::string line =
        formatConfigLine(linesIn(storedHome, lines.encoding(), encoding), config);
    // What the reader would refuse is never written (a command-line value, say).
    std::string readHome;
    Config readBack;
    if (parseConfigLine(line, readHome, readBack, encoding) != 0) return kConfigCorrupt;
    newText = fileStart(encoding);
    newText += line;
    newText += '\n';
    newText += linesIn(lines.rest(), lines.encoding(), encoding);
    return 0;
}

int saveConfig(const Config& config, const std::string& file) {
    const ConfigLock lock(file);
    if (lock.timedOut()) return kConfigCannotOpenWrite;
    std::string oldText, newText;
    if (const int code = readConfigText(file, oldText)) return code;
    if (const int code = configTextWithSettings(oldText, config, newText)) return code;
    return rewriteCode(replaceFileContents(file, newText), kConfigCannotOpenTemp,
                       kConfigCannotOpenWrite);
}

namespace {

// Numbered backups beyond "Kelmo.cfg.bak": ".bak.1" .. ".bak.999".
constexpr int kMaxBackupNumber = 999;

// Writing the built-in file or its backup: whatever stops the new file is 104.
int createCode(ReplaceResult result) {
    return rewriteCode(result, kConfigCannotCreate, kConfigCannotCreate);
}

bool holdsText(const std::string& path, const std::string& text) {
    std::string stored;
    return readFileBytes(path, stored) == ReadResult::kDone && stored == text;
}

// Where the file about to be replaced is kept: "Kelmo.cfg.bak", or when that holds an earlier
// file, the first free "Kelmo.cfg.bak.N", so that no backup is ever written over. Empty when
// a backup with these very contents is there already, or no name is free.
std::string backupName(const std::string& file, const std::string& text, bool& alreadyKept) {
    alreadyKept = false;
    for (int number = 0; number <= kMaxBackupNumber; ++number) {
        std::string name = file + kBackupSuffix;
        if (number > 0) {
            name += '.';  // (appended piece by piece: GCC 12 warns falsely on "." + text)
            name += std::to_string(number);
        }
        std::error_code error;
        if (!fs::exists(fs::symlink_status(name, error))) return name;
        if (!text.empty() && holdsText(name, text)) {
            alreadyKept = true;
            return {};
        }
    }
    return {};
}

// Keeps the file that is about to be replaced (0), or says why it cannot be kept (104, 105).
int keepBackup(const std::string& file) {
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return 0;  // nothing there to keep
    std::string text;
    const ReadResult read = readFileBytes(file, text);
    if (read == ReadResult::kCannotRead) return kConfigCannotCreate;
    bool alreadyKept = false;
    const std::string backup = backupName(file, text, alreadyKept);
    if (alreadyKept) return 0;
    if (backup.empty()) return kConfigCannotCreate;
    if (read == ReadResult::kDone) return createCode(replaceFileContents(backup, text));
    fs::copy_file(file, backup, fs::copy_options::none, error);  // beyond the read limit
    return error ? kConfigCannotCreate : 0;
}

int writeDefaultConfig(Location& home, Config& config, const std::string& file) {
    if (const int code = keepBackup(file)) return code;
    if (const int code = createCode(replaceFileContents(file, defaultConfigText()))) return code;
    return loadConfig(home, config, file);
}

}  // namespace

int createDefaultConfig(Location& home, Config& config, const std::string& file) {
    const ConfigLock lock(file);
    if (lock.timedOut()) return kConfigCannotCreate;
    return writeDefaultConfig(home, config, file);
}

int replaceUnreadableConfig(Location& home, Config& config, const std::string& file) {
    const ConfigLock lock(file);
    if (lock.timedOut()) return kConfigCannotCreate;
    if (loadConfig(home, config, file) == 0) return 0;
    return writeDefaultConfig(home, config, file);
}

}  // namespace kelmo
