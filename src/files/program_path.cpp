#include "files/program_path.h"

#include <algorithm>

namespace kelmo {

namespace {

// Set once at start (and again when the Timer reloads); empty means the current directory.
std::string& programDir() {
    static std::string dir;
    return dir;
}

}  // namespace

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

std::string configFilePath() {
    return programPath(kConfigFileName);
}

void replaceChar(std::string& text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
}

}  // namespace kelmo
