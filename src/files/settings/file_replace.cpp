#include "files/settings/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <optional>
#include <random>

#include "files/settings/program_path.h"

namespace kelmo {

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 32;
constexpr std::string_view kTempPrefix = ".Kelmo-";
constexpr std::string_view kTempSuffix = ".tmp";

std::function<void(const std::string&)>& beforeReplaceHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

std::string randomSuffix() {
    static std::mt19937 generator{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix;
    for (int i = 0; i < 12; ++i) suffix += kDigits[generator() % 16];
    return suffix;
}

constexpr int kMaxLinksFollowed = 40;  // as the kernel's MAXSYMLINKS

// The kernel's protected_symlinks rule: a link in a sticky folder that others may write is
// followed only by the link's owner, or when the link and the folder have the same owner.
bool mayFollow(const std::string& link, const struct stat& linkStatus) {
    const std::string folder = directoryOf(link);
    struct stat folderStatus {};
    if (stat(folder.empty() ? "." : folder.c_str(), &folderStatus) != 0) return false;
    const bool shared =
        (folderStatus.st_mode & S_ISVTX) != 0 && (folderStatus.st_mode & S_IWOTH) != 0;
    return !shared || linkStatus.st_uid == geteuid() || linkStatus.st_uid == folderStatus.st_uid;
}

// False when a folder on the way to path, as written, is a link mayFollow refuses.
bool foldersMayBeFollowed(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        struct stat status {};
        if (lstat(folder.c_str(), &status) == 0 && S_ISLNK(status.st_mode) &&
            !mayFollow(folder, status))
            return false;
    }
    return true;
}

// The file whose contents are replaced: path itself, or the end of its chain of links; nothing
// when a link of the chain, or in the folders on its way, may not be followed.
std::optional<std::string> replacedFile(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinksFollowed; ++hop) {
        if (!foldersMayBeFollowed(current)) return std::nullopt;
        struct stat status {};
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
        if (!mayFollow(current, status)) return std::nullopt;
        std::error_code error;
        const fs::path target = fs::read_symlink(current, error);
        if (error) return std::nullopt;
        current = target.is_absolute() ? target.string() : directoryOf(current) + target.string();
    }
    std::error_code error;
    if (current == path) return path;
    const fs::path resolved = fs::weakly_canonical(current, error);
    return error ? current : resolved.string();
}

// The writing process of a temporary file's name ".Kelmo-<pid>-<random>.tmp"; 0 for any other
// name.
pid_t writerOf(std::string_view name) {
    if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) return 0;
    name.remove_prefix(kTempPrefix.size());
    pid_t pid = 0;
    std::size_t digits = 0;
    for (; digits < name.size() && name[digits] >= '0' && name[digits] <= '9'; ++digits) {
        if (pid > 99999999) return 0;
        pid = pid * 10 + (name[digits] - '0');
    }
    return digits > 0 && digits < name.size() && name[digits] == '-' ? pid : 0;
}

bool processIsGone(pid_t pid) {
    return kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporary files in directory whose writer has ended without renaming them
// (killed, or the machine went down). Files of running writers stay.
void removeStaleTempFiles(const std::string& directory) {
    std::error_code error;
    fs::directory_iterator entries(directory.empty() ? fs::path(".") : fs::path(directory), error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const pid_t writer = writerOf(entries->path().filename().string());
        if (writer > 0 && processIsGone(writer)) fs::remove(entries->path(), error);
    }
}

// True when the existing target may not be replaced: it is no regular file (a device, a
// directory), the system's permission check refuses writing it, or no write permission is set
// at all (which even the superuser respects here, like a read-only attribute).
bool mayNotBeReplaced(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return false;  // gone: the rename creates it
    if (!S_ISREG(status.st_mode)) return true;
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return access(path.c_str(), W_OK) != 0 && errno != ENOENT;
}

bool writeAll(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
           std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

// Makes the directory's entries (the renamed file) durable.
void syncDirectory(const std::string& directory) {
    const int fd = open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

void copyPermissions(const std::string& from, const std::string& to) {
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (!error && fs::exists(status)) fs::permissions(to, status.permissions(), error);
}

}  // namespace

ReadResult readFileBytes(const std::string& path, std::string& text, std::size_t maxBytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return ReadResult::kCannotRead;
    text.clear();
    char buffer[8192];
    std::size_t count = 0;
    ReadResult result = ReadResult::kDone;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (count > maxBytes - text.size()) {
            result = ReadResult::kTooLarge;
            break;
        }
        text.append(buffer, count);
    }
    if (result == ReadResult::kDone && std::ferror(file)) result = ReadResult::kCannotRead;
    std::fclose(file);
    if (result != ReadResult::kDone) text.clear();
    return result;
}

bool readFileText(const std::string& path, std::string& text) {
    return readFileBytes(path, text) == ReadResult::kDone;
}

TempFile openTempFile(const std::string& directory) {
    const std::string prefix =
        directory + std::string(kTempPrefix) + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        TempFile temp;
        temp.name = prefix + randomSuffix() + std::string(kTempSuffix);
        errno = 0;
        temp.file = std::fopen(temp.name.c_str(), "wb+x");
        if (temp.file) return temp;
        if (errno != EEXIST) break;
    }
    return {};
}

bool linkMayBeFollowed(const std::string& path) {
    return replacedFile(path).has_value();
}

ReplaceResult replaceFileContents(const std::string& path, std::string_view text) {
    const std::optional<std::string> replaced = replacedFile(path);
    if (!replaced) return ReplaceResult::kUnsafeLink;
    const std::string& target = *replaced;
    const std::string directory = directoryOf(target);
    removeStaleTempFiles(directory);
    TempFile temp = openTempFile(directory);
    if (!temp.file) return ReplaceResult::kCannotCreate;
    const bool written = writeAll(temp.file, text);
    if (std::fclose(temp.file) != 0 || !written) {
        std::remove(temp.name.c_str());
        return ReplaceResult::kCannotWrite;
    }
    copyPermissions(target, temp.name);
    if (beforeReplaceHook()) beforeReplaceHook()(target);
    // Where opening the target for writing would fail, the rename must not succeed either.
    if (mayNotBeReplaced(target) || std::rename(temp.name.c_str(), target.c_str()) != 0) {
        std::remove(temp.name.c_str());
        return ReplaceResult::kCannotRename;
    }
    syncDirectory(directory);
    return ReplaceResult::kDone;
}

void setBeforeReplaceHook(std::function<void(const std::string&)> hook) {
    beforeReplaceHook() = std::move(hook);
}

}  // namespace kelmo
