// The built-in configuration file: written over Kelmo.cfg when none can be read, and used in
// memory by tools that must not write. One configuration line and 246 location lines.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace kelmo {

inline constexpr std::size_t kDefaultLocationCount = 246;

// The configuration line (home "Manama,Bahrain" and every default setting), without "\n".
extern const char kDefaultConfigLine[];

// The location lines in file order, each without "\n" (default_locations_table.cpp).
extern const std::array<const char*, kDefaultLocationCount> kDefaultLocationLines;

// The whole built-in file: every line above followed by "\n".
std::string defaultConfigText();

}  // namespace kelmo
