// The records that belong to one stored water, found from the water selector of
// the main window: the stored analysis and its entered flag, its results, rates,
// dose state and carbonate figures, and its own residence time. The single-water
// pipeline reads and files a water's calculation through this one view.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/saturation/water_results_records.h"

struct StoredWater {
    int32_t selector;           // WaterSelector
    WaterAnalysis* analysis;    // the stored analysis; null for the mixed water
    uint16_t* entered16;        // ResultStatus flag of the surface, injection or formation water
    uint32_t* entered32;        // entered flag of a multi-mix source water
    StoredResults* results;     // null for the mixed water
    float* corrosion;           // the water's four corrosion rates
    uint16_t* doseDone16;       // surface, injection, formation
    uint32_t* doseDone32;       // multi-mix source water
    int16_t* limitStatus;       // null for the mixed water
    float* dose;                // null for the mixed water
    WaterCarbonate* carbonate;  // null for the mixed water
    SavedCarbonateConstants* savedConstants;  // surface, injection and formation only
    const float* residenceSeconds;  // the water's own residence time; null: the current one
    bool copiesStoredValues;        // the full calculation starts from the stored values
    bool isSurface;                 // selectors 0 and 4
    bool keepsTotalCarbonate;       // injection, formation and multi-mix waters
    bool recomputesAtOwnPh;         // injection and formation: a computed pH is rerun
};

// Binds the water that `selector` names (0 surface, 1 injection, 2 formation, 3 the
// mixed water already in currentAnalysis, 4 the surface water as pasted into
// currentAnalysis, 5 the multi-mix source water at editIndex). False for any other
// selector and for a multi-mix index outside 0..11.
[[nodiscard]] bool FindStoredWater(int32_t selector, int32_t editIndex, StoredWater& out);

// The mixed water has no entered flag and counts as entered.
bool IsEntered(const StoredWater& water);
void SetEntered(const StoredWater& water);

bool IsDoseDone(const StoredWater& water);
void SetDoseDone(const StoredWater& water);
