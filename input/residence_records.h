// The residence time (seconds) that the water input form keeps with each stored
// water: the time the water spends in the system, which the inhibitor dose reads.
// The shared current copy is currentResidenceTime (engine/pipeline_records.h).
#pragma once

namespace ResidenceWater {
enum : int { kSurface = 0, kInjection = 1, kFormation = 2, kMixed = 3, kCount = 4 };
}

extern float waterResidenceSeconds[ResidenceWater::kCount];

void ResetResidenceRecords();
