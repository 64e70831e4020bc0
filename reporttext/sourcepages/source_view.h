// What the multi-mix source-water pages read of each source water: its
// analysis, results and momentary excess, weight percent, dissolved CO2,
// product dose, CO2-H2S corrosion rate and residence time.
#pragma once

#include <cstdint>

#include "engine/pipeline/pipeline_records.h"  // kMultiMixWaterCount

struct SourceColumn {
    const float* values;   // 64 analysis values, user units
    const float* results;  // 64 SaturationResults
    const float* excess;   // 38 MomentaryExcess
    float weightPercent;
    float dissolvedCo2;   // mg/L as H2CO3
    float dose;           // the current product's dose
    int32_t doseStatus;   // 0 plain; 1, 2, 3 flagged
    float corrosionRate;  // the CO2-H2S rate shown (the first stored model)
    float residence;      // in the unit of UnitCodes item 26; 0 for an unknown unit
};

struct SourceViewRecord {
    int count;  // lastWaterIndex + 1, brought into 1..12
    SourceColumn columns[kMultiMixWaterCount];
};

[[nodiscard]] int SourceColumnCount();
[[nodiscard]] SourceViewRecord ViewOfSources();

// Where source k's value stands, and where " WEIGHT % " starts over `count`
// columns.
inline int SourceColumnCell(int k) {
    return 24 + 8 * k;
}
inline int WeightHeadingCell(int count) {
    return 4 * count + 24 - 5;
}
