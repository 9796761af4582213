#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "files/settings/program_path.h"

namespace kelmo::platform {

namespace {

// An absolute folder named by the environment variable, or "" when unset or relative.
std::string absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? std::string(value) : std::string();
}

constexpr std::size_t kPasswdBufferBytes = 16384;  // when the system names no size

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

// The user's home folder: $HOME when it is absolute, else the home folder of the user's entry
// in the password file (never the current folder); "" when neither names one.
std::string homeDirectory() {
    const std::string home = absoluteFromEnvironment("HOME");
    if (!home.empty()) return home;
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : kPasswdBufferBytes);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        found->pw_dir == nullptr || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
}

// A folder below the home folder; "" without a home folder.
std::string homeFolder(const char* below) {
    const std::string home = homeDirectory();
    return home.empty() ? std::string() : home + below;
}

// The folder of the user's settings, ending in a separator; "" without one.
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
    std::vector<std::string> folders;
    std::string dataHome = absoluteFromEnvironment("XDG_DATA_HOME");
    if (dataHome.empty()) dataHome = homeFolder("/.local/share");
    if (!dataHome.empty()) folders.push_back(withSeparator(dataHome));
    for (const std::string& folder : folderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
        folders.push_back(folder);
    return folders;
}

std::string userConfigDirectory() {
    const std::string home = configHome();
    return home.empty() ? std::string() : home + kSettingsFolderName + "/";
}

std::string userAutostartDirectory() {
    const std::string home = configHome();
    return home.empty() ? std::string() : home + "autostart";
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
