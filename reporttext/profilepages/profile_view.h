// What the profile pages read of one seven-point profile: per point its
// water, its results and momentary excess, the alkalinity figures, the
// pH-control and product doses, the CO2-H2S rate and, on the mixing-ratio
// profile, the percent of injection water.
#pragma once

#include <cstdint>

constexpr int kProfileViewPoints = 7;

struct ProfilePoint {
    const float* values;   // 64 analysis values of the point, user units
    const float* results;  // 64 SaturationResults
    const float* excess;   // 38 MomentaryExcess
    float acidity;         // mg/L as CaCO3
    float dissolvedCo2;
    float bicarbonate;
    float carbonate;
    float acidDose;
    float alkaliDose;
    float inhibitorDose;
    int32_t doseStatus;      // 0 plain; 1, 2, 3 flagged
    float corrosionRate;     // the CO2-H2S rate shown (the first stored model)
    float injectionPercent;  // the mixing-ratio profile only
};

struct ProfileViewRecord {
    int profile;  // ProfileKind
    ProfilePoint points[kProfileViewPoints];
};

// The view of the temperature, pH (or pCO2), pressure or mixing-ratio profile
// (ProfileKind).
[[nodiscard]] ProfileViewRecord ViewOfProfile(int profile);
