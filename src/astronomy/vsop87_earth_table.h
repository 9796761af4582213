// The truncated VSOP87D Earth series (generated table, see vsop87_earth_table.cpp).
#pragma once

#include <cstdint>

namespace kelmo {

// One periodic term A cos(B + C tau): A in radians (L, B) or astronomical units (R), B in
// radians, C in radians per Julian millennium.
struct VsopTerm {
    double a;
    double b;
    double c;
};

inline constexpr int kVsop87Coordinates = 3;  // L, B, R
inline constexpr int kVsop87Powers = 6;       // series 0 .. 5 of each coordinate
inline constexpr int kVsop87EarthTermCount = 195;

// Number of terms of each series (coordinate L, B, R; power of tau 0 .. 5).
extern const std::int16_t kVsop87EarthCounts[kVsop87Coordinates][kVsop87Powers];

// All terms in series order L0 .. L5, B0 .. B5, R0 .. R5.
extern const VsopTerm kVsop87EarthTerms[kVsop87EarthTermCount];

}  // namespace kelmo
