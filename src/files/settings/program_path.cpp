#include "files/settings/program_path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kelmo {

namespace {

// Set once at start (and again when the Timer reloads); empty means the current directory.
std::string& programDir() {
    static std::string dir;
    return dir;
}

std::string& userConfigDir() {
    static std::string dir;
    return dir;
}

}  // namespace

std::string directoryOf(const std::string& path) {
    const std::size_t separator = path.find_last_of('/');
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::size_t setProgramDir(std::string_view commandLine, std::string_view arguments) {
    std::string_view path = commandLine;
    if (!arguments.empty()) {
        const std::size_t cut = path.find(arguments);
        if (cut != std::string_view::npos) path = path.substr(0, cut);
    }
    const std::size_t start = path.starts_with('"') ? 1 : 0;
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos || separator < start) {
        programDir().clear();
    } else {
        programDir() = path.substr(start, separator - start + 1);
    }
    return programDir().size();
}

std::string programPath(std::string_view fileName) {
    std::string path = programDir();
    path += fileName;
    return path;
}

void setUserConfigDir(std::string_view directory) {
    userConfigDir() = directory;
}

std::string configFilePath() {
    std::string besideProgram = programPath(kConfigFileName);
    std::error_code error;
    if (userConfigDir().empty() || std::filesystem::exists(besideProgram, error))
        return besideProgram;
    return userConfigDir() + kConfigFileName;
}

std::string settingsPath(std::string_view fileName) {
    std::string path = directoryOf(configFilePath());
    path += fileName;
    return path;
}

bool makeSettingsFolder() {
    const std::string folder = directoryOf(configFilePath());
    if (userConfigDir().empty() || folder != userConfigDir()) return true;  // the program's own
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

void replaceChar(std::string& text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
}

}  // namespace kelmo
