// What the one-water pages read of one water: its stored analysis with its
// header, its stored results and momentary excess, its dose, its combined
// CO2-H2S corrosion rate, its residence time and, for the surface, injection
// and formation waters, the values as the user entered them. The pages lay
// themselves out from this view alone, so a page, its copies and its report
// show the same stored state.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"

struct WaterView {
    int water = 0;                            // the engine's water selector (3 the blend)
    bool blend = false;                       // the multi-mix blend
    const WaterAnalysis* analysis = nullptr;  // header and the 64 values
    const float* results = nullptr;           // 64 SaturationResults
    const float* excess = nullptr;            // 38 MomentaryExcess
    float dose = 0.0f;                        // the product dose, mg/L of product
    float corrosionRate = 0.0f;               // the CO2-H2S rate shown (the first stored model)
    float residenceSeconds = 0.0f;
    // The values as entered; null where nothing is highlighted (the blend and
    // the multi-mix source waters, and a water not yet entered).
    const float* enteredValues = nullptr;
};

// The view of the water a selector names: 0 surface (4 too), 1 injection,
// 2 formation, 3 the blend, 5 the multi-mix source water being edited. False
// for any other selector or a source index outside the stored waters.
// A water whose calculation came to figures no water holds is shown through
// marked copies: its calculated figures read as not calculated.
[[nodiscard]] bool ViewOfWater(int water, WaterView& view);
// The same water's stored records as they are, marks or none: what the engine
// is loaded with to calculate it again.
[[nodiscard]] bool StoredViewOfWater(int water, WaterView& view);
