// The weights of the multi-mix blend: the weight percents as entered when they
// add up to 100, rescaled to 100 when they do not, or, when none is given,
// derived from the waters' brine flows (a share of the volume, as the percents).
#pragma once

#include "scenarios/multimix/multimix_records.h"

enum class WeightSource {
    kAsEntered,  // the percents add up to 100 and stand
    kRescaled,   // the percents are scaled so that they add up to 100
    kFromFlows,  // no percents: brine flow shares
    kNone,       // no percents and no flows: nothing to blend by
};

struct BlendWeights {
    float percent[kMultiMixWaterCount];  // the weight of each source water, percent
    WeightSource source;
};

// The weights the blend uses for the first `waterCount` waters of `m`
// (1..kMultiMixWaterCount); entries past the count are 0.
BlendWeights ResolveBlendWeights(const MultiMixState& m, int waterCount);

// True when the weights can make a blend: at least one is above 0 and none is
// negative, so that the blended hydrogen-ion activity is positive.
bool WeightsMakeABlend(const BlendWeights& w, int waterCount);
