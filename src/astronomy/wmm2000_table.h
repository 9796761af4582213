// The coefficients of the World Magnetic Model WMM-2000 (generated, see wmm2000_table.cpp).
#pragma once

namespace kelmo {

inline constexpr int kWmmMaxDegree = 12;
inline constexpr int kWmmSize = kWmmMaxDegree + 1;
inline constexpr double kWmmEpochJulianDay = 2451544.5;  // 2000 January 1, 0h
inline constexpr double kWmmReferenceRadiusKm = 6371.2;

// Four tables indexed [n][m]; zero where m > n, for n = 0 and for h(n, 0).
struct WmmCoefficients {
    double g[kWmmSize][kWmmSize];     // main field, nT
    double h[kWmmSize][kWmmSize];     // main field, nT
    double gDot[kWmmSize][kWmmSize];  // secular variation, nT per year
    double hDot[kWmmSize][kWmmSize];  // secular variation, nT per year
};

extern const WmmCoefficients kWmm2000;

}  // namespace kelmo
