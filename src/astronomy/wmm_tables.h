// The coefficients of the World Magnetic Models WMM-2000, WMM-2015v2, WMM-2020 and WMM-2025
// (generated, see wmm_tables.cpp).
#pragma once

namespace kelmo {

inline constexpr int kWmmMaxDegree = 12;
inline constexpr int kWmmSize = kWmmMaxDegree + 1;
inline constexpr double kWmmReferenceRadiusKm = 6371.2;

// Four tables indexed [n][m]; zero where m > n, for n = 0 and for h(n, 0).
struct WmmCoefficients {
    double g[kWmmSize][kWmmSize];     // main field, nT
    double h[kWmmSize][kWmmSize];     // main field, nT
    double gDot[kWmmSize][kWmmSize];  // secular variation, nT per year
    double hDot[kWmmSize][kWmmSize];  // secular variation, nT per year
};

// One model: its coefficients hold at 1 January of the epoch year, 0h, and the model is
// published for the five years from there.
struct WmmModel {
    const char* name;  // "WMM-2000"
    int epochYear;
    WmmCoefficients coefficients;
};

inline constexpr int kWmmModelCount = 4;

// The models, oldest first.
extern const WmmModel kWmmModels[kWmmModelCount];

}  // namespace kelmo
