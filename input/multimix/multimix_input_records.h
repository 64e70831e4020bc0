// What the multi-mix water input keeps while a water is shown: the picture of
// the water taken when it became current, to tell whether the user changed it.
// Not saved.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/records.h"
#include "platform/window/win_types.h"
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

// The two pages the input shows its water on ("DisplayMUWater" and
// "DisplayMUValues", which the surface water's pages share) as they were when
// the input opened: Cancel and Hide Results put them back so.
struct MultiMixPagesBefore {
    bool open[2];
    win::HWND window[2];
    int32_t shownWater[2];
    char title[2][128];
};

extern MultiMixPagesBefore multiMixPagesBefore;

void ResetMultiMixInputRecords();
