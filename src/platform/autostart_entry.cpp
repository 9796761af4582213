#include "platform/autostart_entry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace kelmo::platform {

namespace {

constexpr int kCannotOpenFolder = 114;   // "Could not open Windows Registry!"
constexpr int kCannotModifyEntry = 115;  // "Could not modify Windows Registry!"
constexpr const char* kEntryName = "KelmoTimes.desktop";

// A value of a desktop file is a string whose backslashes are themselves escaped.
std::string escapeValue(std::string_view value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

// The folder exists (created when missing) and this user may change entries in it; a user
// without that right is refused before anything is tried, as opening the machine-wide list
// for writing would be.
bool ensureDirectory(const std::filesystem::path& directory) {
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    return std::filesystem::is_directory(directory, error) &&
           access(directory.c_str(), W_OK | X_OK) == 0;
}

// True when this user may create entries in directory, or create the directory itself.
bool userMayChange(std::filesystem::path directory) {
    std::error_code error;
    while (!std::filesystem::exists(directory, error)) {
        if (!directory.has_relative_path()) return false;
        directory = directory.parent_path();
    }
    return std::filesystem::is_directory(directory, error) &&
           access(directory.c_str(), W_OK | X_OK) == 0;
}

std::string machineAutostartDirectory() {
    std::string base = "/etc/xdg";
    if (const char* dirs = std::getenv("XDG_CONFIG_DIRS"); dirs && *dirs) {
        const std::string_view list(dirs);
        const std::string_view first = list.substr(0, list.find(':'));
        if (!first.empty()) base = first;
    }
    return base + "/autostart";
}

std::string userAutostartDirectory() {
    if (const char* home = std::getenv("XDG_CONFIG_HOME"); home && *home) {
        return std::string(home) + "/autostart";
    }
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/autostart";
}

}  // namespace

std::string defaultAutostartDirectory() {
    const std::string machine = machineAutostartDirectory();
    return userMayChange(machine) ? machine : userAutostartDirectory();
}

std::string quoteExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

std::string desktopEntryText(std::string_view commandLine) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=KelmoTimes\n"
           "Comment=Prayer time Timer and Notifier\n"
           "Exec=" +
           escapeValue(commandLine) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

XdgAutostartEntry::XdgAutostartEntry(std::string directory) : directory_(std::move(directory)) {}

std::string XdgAutostartEntry::path() const {
    return (std::filesystem::path(directory_) / kEntryName).string();
}

int XdgAutostartEntry::write(const std::string& commandLine) {
    if (!ensureDirectory(directory_)) return kCannotOpenFolder;
    // Written beside the entry and renamed over it, so a failed write leaves the old entry.
    const std::string temporary = path() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << desktopEntryText(commandLine);
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return kCannotModifyEntry;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path(), error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return kCannotModifyEntry;
    }
    return 0;
}

int XdgAutostartEntry::remove() {
    std::error_code error;
    if (!std::filesystem::exists(directory_, error)) return 0;  // nothing can be registered
    if (!ensureDirectory(directory_)) return kCannotOpenFolder;
    std::filesystem::remove(path(), error);  // false without error when missing
    return error ? kCannotModifyEntry : 0;
}

}  // namespace kelmo::platform
