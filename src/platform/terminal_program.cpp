#include "platform/terminal_program.h"

#include <filesystem>
#include <fstream>

#include "platform/user_folders.h"

namespace kelmo::platform {

namespace {

constexpr const char* kEntryGroup = "[Desktop Entry]";

// The value of Terminal in the main group "[Desktop Entry]" of a desktop file.
bool terminalKey(std::ifstream& entry) {
    bool inMainGroup = false;
    std::string line;
    while (std::getline(entry, line)) {
        if (!line.empty() && line.front() == '[') {
            inMainGroup = line == kEntryGroup;
        } else if (inMainGroup && line.rfind("Terminal=", 0) == 0) {
            return line == "Terminal=true";
        }
    }
    return false;
}

}  // namespace

bool runsInTerminal(const std::string& program) {
    const std::string name = std::filesystem::path(program).filename().string();
    if (name.empty()) return false;
    for (const std::string& folder : xdgDataDirectories()) {
        std::ifstream entry(folder + "applications/" + name + ".desktop");
        if (entry.is_open()) return terminalKey(entry);
    }
    return false;
}

}  // namespace kelmo::platform
