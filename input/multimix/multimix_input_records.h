// What the multi-mix water input keeps while a water is shown: the picture of
// the water taken when it became current, to tell whether the user changed it.
// Not saved.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/records.h"
#include "scenarios/multimix/multimix_records.h"

struct MultiMixSnapshot {
    int32_t reportDate;
    int32_t sampleDate;
    int16_t sampleTime;
    float values[AnalysisElement::kCount];   // as typed, as the form shows them
    float excess[kMomentaryExcessCount];     // the water's indicator row
    float results[kSaturationResultCount];   // the water's result row
    float residence[4];                      // the first four forms of its residence time
    float organicAcids[kMultiMixAcidCount];  // C2 to C5
};

extern MultiMixSnapshot multiMixSnapshot;

void ResetMultiMixInputRecords();
