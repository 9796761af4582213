// German numbers (decimal comma) for tests of locale independence, as the desktop program
// inherits them from LC_ALL=de_DE.UTF-8 through its window toolkit. The locale is compiled by
// localedef (Debian package locales) into a folder of the build tree once per test program,
// so no installed locale is needed.
#pragma once

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace kelmo::test {

// Switches the whole C locale to de_DE.UTF-8; false when it could not be built.
inline bool useGermanNumbers() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path built = std::filesystem::absolute("test-locales");
        std::filesystem::create_directories(built);
        const std::string command =
            "localedef -i de_DE -f UTF-8 " + (built / "de_DE.UTF-8").string() + " 2>/dev/null";
        return std::system(command.c_str()) == 0 ? built : std::filesystem::path();
    }();
    if (folder.empty()) return false;
    setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

// Back to the "C" locale of a program's start.
inline void useCNumbers() {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
}

}  // namespace kelmo::test
