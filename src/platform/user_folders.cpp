#include "platform/user_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "files/program_path.h"

namespace kelmo::platform {

namespace {

// An absolute folder named by the environment variable, or "" when unset or relative.
std::string absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string homeFolder(const char* below) {
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr && *home != '\0' ? home : ".") + below;
}

std::string configHome() {
    const std::string home = absoluteFromEnvironment("XDG_CONFIG_HOME");
    return withSeparator(home.empty() ? homeFolder("/.config") : home);
}

// The folders of a colon-separated list; relative entries are skipped.
std::vector<std::string> folderList(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    const std::string list = value != nullptr && *value != '\0' ? value : fallback;
    std::vector<std::string> folders;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        const std::string folder = list.substr(start, end - start);
        if (!folder.empty() && folder.front() == '/') folders.push_back(withSeparator(folder));
        start = end + 1;
    }
    return folders;
}

// The folders dataFilePath searches, in order, each ending in a separator.
std::vector<std::string> dataDirectories() {
    const std::string programDir = programPath("");
    std::vector<std::string> folders{programDir, programDir + "../share/" + kDataFolderName + "/"};
    for (const std::string& folder : xdgDataDirectories())
        folders.push_back(folder + kDataFolderName + "/");
    return folders;
}

}  // namespace

std::vector<std::string> xdgDataDirectories() {
    const std::string dataHome = absoluteFromEnvironment("XDG_DATA_HOME");
    std::vector<std::string> folders{
        withSeparator(dataHome.empty() ? homeFolder("/.local/share") : dataHome)};
    for (const std::string& folder : folderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
        folders.push_back(folder);
    return folders;
}

std::string userConfigDirectory() {
    return configHome() + kSettingsFolderName + "/";
}

std::string userAutostartDirectory() {
    return configHome() + "autostart";
}

std::vector<std::string> systemAutostartDirectories() {
    std::vector<std::string> folders;
    for (const std::string& folder : folderList("XDG_CONFIG_DIRS", "/etc/xdg"))
        folders.push_back(folder + "autostart");
    return folders;
}

std::string userRuntimeDirectory() {
    return absoluteFromEnvironment("XDG_RUNTIME_DIR");
}

std::string dataFilePath(std::string_view name) {
    for (const std::string& folder : dataDirectories()) {
        std::string path = folder;
        path += name;
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) continue;
        // "bin/../share" named as the system resolves it (links followed).
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        return error ? path : resolved.string();
    }
    return programPath(name);
}

}  // namespace kelmo::platform
