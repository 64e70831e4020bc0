// The blend of the multi-mix source waters into one water: every analysis value
// weighted by its water's share, the carbonate species as the waters' computed
// bicarbonate, carbonate and dissolved CO2, the carbonate constants and amounts
// of their reference passes weighted alike, and the blend's pH from the mixed
// hydrogen-ion activities (pH is logarithmic, so two waters of pH 6 and 8 in equal
// parts give -log10(0.5e-6 + 0.5e-8) = 6.30, not 7).
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/saturation/results_records.h"
#include "engine/saturation/water_results_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/multimix/multimix_weights.h"

// The source waters and their weights.
struct BlendSources {
    const MultiMixState& state;
    const WaterCarbonate (&carbonate)[kMultiMixWaterCount];  // what each water's calculation left
    const BlendWeights& weights;
    int waterCount;  // 1..kMultiMixWaterCount
};

// What the blend writes.
struct BlendTargets {
    WaterAnalysis& mixed;    // the blend
    WaterAnalysis& current;  // the working analysis the engine reads
    CarbonateState& carbonate;
    float& acidity;  // the carbonate acidity beside the carbonate state, eq/kg
    float& meanResidenceSeconds;
    float& figure;  // the weighted total carbonate of the sources, mol/L
    float& dissolvedCO2Copy;
};

// Sums that the blend's carbonate system is set from.
struct BlendSums {
    double hydrogenActivity;  // sum of f(j) x 10^-pH(j)
    double meanPh;            // sum of f(j) x pH(j)
    double gammaH;            // sum of f(j) x gamma(H+)(j)
    double gammaOH;           // sum of f(j) x gamma(OH-)(j)
};

// Clears the carbonate constants and amounts that the blend sums (the hydroxide
// amount stays: the blend does not mix it) and the acidity beside them.
void ClearBlendedCarbonate(CarbonateState& carbonate, float& acidity);

// Mixes the sources into the targets: every element 1..63 by weight, the
// carbonate species from the waters' computed values, the mean residence time,
// the carbonate constants and amounts; returns the sums for the carbonate system.
BlendSums BlendWaters(const BlendSources& sources, uint16_t reportingMode, const BlendTargets& out);

// The blend's carbonate system: the species given as bicarbonate and carbonate
// (elements 13 and 14), total carbonate (33, mol/L), the alkalinity (31, eq/L)
// of the mixed water, and the pH of both records from the mixed hydrogen ion.
void SetBlendCarbonateSystem(const BlendSums& sums, double kw, WaterAnalysis& mixed,
                             WaterAnalysis& current);

// Total carbonate (mol/L), hydroxide and hydrogen ion (mg/L) of the reference
// record, from the blended amounts and the hydroxide amount the last run left.
void SetBlendDerivedFigures(const CarbonateState& carbonate, ReferenceCarbonate& reference,
                            ReferenceOutputs& outputs);
