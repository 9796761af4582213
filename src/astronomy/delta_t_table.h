// The yearly Delta-T table (generated, see delta_t_table.cpp).
#pragma once

#include <cstdint>

namespace kelmo {

inline constexpr int kDeltaTFirstYear = 1620;
inline constexpr int kDeltaTTableSize = 408;  // 1620 .. 2027

// Delta-T at the start of each year, hundredths of a second.
extern const std::int16_t kDeltaTTable[kDeltaTTableSize];

}  // namespace kelmo
