// The multi-mix blend's source waters: up to twelve stored analyses with their
// weight percents, residence times and entered flags, and the index of the water
// being edited or calculated. The single-water pipeline computes the water at
// editIndex when the current water is a multi-mix source water.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/pipeline_records.h"  // kMultiMixWaterCount

// The five forms of one residence time, in this order.
namespace ResidenceForm {
enum : int { kDisplayUnit = 0, kDays = 1, kHours = 2, kMinutes = 3, kSeconds = 4, kCount = 5 };
}

struct MultiMixState {
    int32_t lastWaterIndex;  // index of the highest water stored, -1 when none
    int32_t editIndex;       // the water being edited or calculated, 0-based
    WaterAnalysis sourceWaters[kMultiMixWaterCount];
    float weightPercent[kMultiMixWaterCount];
    float residenceTime[kMultiMixWaterCount][ResidenceForm::kCount];
    uint32_t multiMixEntered[kMultiMixWaterCount];  // 1 once the water was entered
    uint32_t multiMixDone;                          // the blend's done count
};

extern MultiMixState multiMixState;

void ResetMultiMixRecords();
