// The identification texts of the form's current water and of each stored water
// (surface, injection, formation): eight lines of 128 bytes each.
#pragma once

#include "common/water_analysis.h"

constexpr int kDescribedWaterCount = 3;  // surface, injection, formation

extern SampleDescription currentDescription;
extern SampleDescription waterDescriptions[kDescribedWaterCount];

void ResetDescriptionRecords();
