#include "platform/autostart_entry.h"

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

}  // namespace

std::string quoteExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

std::string desktopEntryText(std::string_view programFile, std::string_view commandLine) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=KelmoTimes\n"
           "Comment=Prayer time Timer and Notifier\n"
           "TryExec=" +
           escapeValue(programFile) +
           "\n"
           "Exec=" +
           escapeValue(commandLine) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

XdgAutostartEntry::XdgAutostartEntry(std::string directory,
                                     std::vector<std::string> systemDirectories)
    : directory_(std::move(directory)), systemDirectories_(std::move(systemDirectories)) {}

std::string XdgAutostartEntry::path() const {
    return (std::filesystem::path(directory_) / kEntryName).string();
}

int XdgAutostartEntry::write(const std::string& programFile, const std::string& commandLine) {
    if (!ensureDirectory(directory_)) return kCannotOpenFolder;
    // Written beside the entry and renamed over it, so a failed write leaves the old entry.
    const std::string temporary = path() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << desktopEntryText(programFile, commandLine);
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
    if (std::filesystem::exists(directory_, error)) {
        if (!ensureDirectory(directory_)) return kCannotOpenFolder;
        std::filesystem::remove(path(), error);  // false without error when missing
        if (error) return kCannotModifyEntry;
    }
    // An entry of an earlier machine-wide registration would still start the Timer.
    for (const std::string& folder : systemDirectories_) {
        const std::filesystem::path entry = std::filesystem::path(folder) / kEntryName;
        if (!std::filesystem::exists(entry, error)) continue;
        if (!std::filesystem::remove(entry, error) || error) return kCannotOpenFolder;
    }
    return 0;
}

}  // namespace kelmo::platform
