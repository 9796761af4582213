// Golden report texts of tests/files/golden: the expected texts in UTF-8, as Kelmo.out and
// the terminal show them. With KELMO_WRITE_GOLDEN set in the environment the texts are
// written instead of compared (then every line is checked by hand before committing).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kelmo::golden {

inline std::filesystem::path path(const std::string& name) {
    return std::filesystem::path(__FILE__).parent_path() / "golden" / name;
}

inline std::string read(const std::string& name) {
    std::ifstream in(path(name), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Compares the report text with the golden file, line by line so that a failure names the
// first line that differs.
inline void expectMatches(const std::string& name, const std::string& actual) {
    if (std::getenv("KELMO_WRITE_GOLDEN") != nullptr) {
        std::ofstream(path(name), std::ios::binary) << actual;
        return;
    }
    const std::string expected = read(name);
    ASSERT_FALSE(expected.empty()) << "missing golden file " << name;
    std::istringstream a(actual), e(expected);
    std::string la, le;
    for (int line = 1; std::getline(e, le); ++line) {
        ASSERT_TRUE(static_cast<bool>(std::getline(a, la)))
            << name << ": text ends at line " << line;
        ASSERT_EQ(la, le) << name << ": line " << line;
    }
    EXPECT_EQ(actual, expected) << name << ": extra text after the golden lines";
}

}  // namespace kelmo::golden
