// The code points a fixed-width font shows in no cell and in two, as sorted ranges, generated
// from the Unicode character database by tools/gen_char_width_table.py.
#pragma once

#include <span>

namespace kelmo {

struct CodeRange {
    char32_t first, last;  // inclusive
};

// Combining marks (general categories Mn, Me) and format characters (Cf).
extern const std::span<const CodeRange> kZeroWidthRanges;
// East Asian wide and full-width characters.
extern const std::span<const CodeRange> kWideRanges;

}  // namespace kelmo
