#include "platform/timer_socket_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/user_folders.h"

namespace kelmo::platform {

namespace {

constexpr mode_t kPrivateMode = 0700;

// Removes "." parts, doubled and trailing slashes (enough of QDir::cleanPath for a directory
// taken from the environment).
std::string cleanPath(const std::string& path) {
    std::string out;
    std::size_t i = 0;
    while (i < path.size()) {
        const std::size_t next = path.find('/', i);
        const std::string part =
            path.substr(i, next == std::string::npos ? std::string::npos : next - i);
        if (!part.empty() && part != ".") out += "/" + part;
        if (next == std::string::npos) break;
        i = next + 1;
    }
    if (path.starts_with('/')) return out.empty() ? "/" : out;
    return out.empty() ? "." : out.substr(1);
}

bool ownedByUser(const struct stat& status) {
    return status.st_uid == getuid();
}

bool isDirectory(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    return (folder == "/" ? "" : folder) + "/" + name;
}

// "<tmp>/KelmoTimes-<user id>"
std::string privateFolderIn(const std::string& tmp) {
    return inFolder(tmp, "KelmoTimes-" + std::to_string(getuid()));
}

bool socketFits(const std::string& folder) {
    return inFolder(folder, kTimerSocketName).size() <= kMaxSocketPathBytes;
}

}  // namespace

std::string temporaryDirectory() {
    const char* tmp = std::getenv("TMPDIR");
    return temporaryDirectory(tmp != nullptr && *tmp != '\0' ? tmp : kDefaultTemporaryDirectory);
}

std::string temporaryDirectory(const std::string& given) {
    const std::string dir = cleanPath(given);
    char resolved[PATH_MAX];
    if (realpath(dir.c_str(), resolved) != nullptr) return resolved;
    return dir;
}

std::string timerSocketFolder() {
    const std::string runtime = userRuntimeDirectory();
    if (!runtime.empty()) {
        const std::string folder = cleanPath(runtime);
        if (isPrivateFolder(folder) && socketFits(folder)) return folder;
    }
    const std::string tmp = temporaryDirectory();
    const std::string folder = privateFolderIn(tmp);
    if (isDirectory(tmp) && socketFits(folder)) return folder;
    return privateFolderIn(temporaryDirectory(kDefaultTemporaryDirectory));
}

std::string timerSocketPath() {
    return inFolder(timerSocketFolder(), kTimerSocketName);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool isPrivateFolder(const std::string& folder) {
    struct stat status {};
    return lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && ownedByUser(status) &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool makePrivateFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), kPrivateMode) != 0 && errno != EEXIST) return false;
    return isPrivateFolder(folder);
}

bool isTrustedSocket(const std::string& path) {
    struct stat status {};
    return isPrivateFolder(folderOf(path)) && lstat(path.c_str(), &status) == 0 &&
           S_ISSOCK(status.st_mode) && ownedByUser(status);
}

}  // namespace kelmo::platform
