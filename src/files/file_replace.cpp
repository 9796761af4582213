#include "files/file_replace.h"

#include <cerrno>
#include <filesystem>
#include <random>

namespace kelmo {

namespace fs = std::filesystem;

namespace {

constexpr int kNameAttempts = 32;

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

// The directory part of path including its separator; empty for a bare file name.
std::string directoryOf(const std::string& path) {
    const std::size_t separator = path.find_last_of('/');
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

// The file whose contents are replaced: path itself, or the end of its chain of links.
std::string replacedFile(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path target = fs::weakly_canonical(path, error);
    return error ? path : target.string();
}

bool writeAll(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

void copyPermissions(const std::string& from, const std::string& to) {
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (!error && fs::exists(status)) fs::permissions(to, status.permissions(), error);
}

}  // namespace

bool readFileText(const std::string& path, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    text.clear();
    char buffer[8192];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

TempFile openTempFile(const std::string& directory) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        TempFile temp;
        temp.name = directory + ".Kelmo-" + randomSuffix() + ".tmp";
        errno = 0;
        temp.file = std::fopen(temp.name.c_str(), "wb+x");
        if (temp.file) return temp;
        if (errno != EEXIST) break;
    }
    return {};
}

ReplaceResult replaceFileContents(const std::string& path, std::string_view text) {
    const std::string target = replacedFile(path);
    TempFile temp = openTempFile(directoryOf(target));
    if (!temp.file) return ReplaceResult::kCannotCreate;
    const bool written = writeAll(temp.file, text);
    if (std::fclose(temp.file) != 0 || !written) {
        std::remove(temp.name.c_str());
        return ReplaceResult::kCannotWrite;
    }
    copyPermissions(target, temp.name);
    if (beforeReplaceHook()) beforeReplaceHook()(target);
    if (std::rename(temp.name.c_str(), target.c_str()) != 0) {
        std::remove(temp.name.c_str());
        return ReplaceResult::kCannotRename;
    }
    return ReplaceResult::kDone;
}

void setBeforeReplaceHook(std::function<void(const std::string&)> hook) {
    beforeReplaceHook() = std::move(hook);
}

}  // namespace kelmo
