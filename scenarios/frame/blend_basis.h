// Blends of waters by volume in every reporting basis. The percents and the
// flows of a mix are shares of its volume. What a water holds per litre (its
// ions in mg/L reporting) blends by those shares as they stand; what it holds
// per kilogram of the water weighs by each water's mass in the mix, its volume
// share times its specific gravity, over the mix's mass: its ions in ppm and
// epm reporting, and in every basis the carbonate figures its calculation kept,
// which the engine holds per kilogram. The conditions, the switches, the gas
// pressures, the density and the flows blend by volume.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/saturation/water_results_records.h"

// Whether analysis element `e` of a stored water blends by mass in a mix
// reported in `reportingMode`.
[[nodiscard]] bool BlendsByMass(int e, uint16_t reportingMode);

// The specific gravity of a water (its result scale factor), 1 where it holds
// none.
[[nodiscard]] double SpecificGravity(const float* water);

// The bicarbonate, carbonate and dissolved CO2 (elements 29, 30 and 43) a
// water brings to a mix: those its own calculation kept for its drivers, of
// its own temperature, or as stored when no calculation has kept any.
struct MixedSpecies {
    float bicarbonate;
    float carbonate;
    float dissolvedCo2;
};
[[nodiscard]] MixedSpecies SpeciesOfWater(const float* water, const WaterCarbonate& kept);
