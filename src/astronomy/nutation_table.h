// The periodic terms of the IAU 1980 nutation (generated table, see nutation_table.cpp).
#pragma once

#include <cstdint>

namespace kelmo {

// One term: argument W = sum of multipliers times (l, l', F, D, Omega); it adds
// (psi + psiRate T / 10) sin W to the nutation in longitude and (eps + epsRate T / 10) cos W
// to the nutation in obliquity, in units of 0.0001" (rates in 0.00001" per Julian century).
struct NutationTerm {
    std::int8_t multiplier[5];
    std::int32_t psi;
    std::int32_t psiRate;
    std::int32_t eps;
    std::int32_t epsRate;
};

inline constexpr int kNutationTermCount = 105;

// Largest multiple of l, l', F, D, Omega that the table uses.
inline constexpr int kNutationMaxMultiple[5] = {3, 2, 4, 4, 2};

extern const NutationTerm kNutationTerms[kNutationTermCount];

}  // namespace kelmo
