// Records that the single-water pipeline files for each calculated water.
#pragma once

#include "engine/carbonate_records.h"

// The line through the last predicted water's own pH-alkalinity point, with log
// slope 1.43, and the pH it was made from.
extern AlkCurveCoefficients extrapolatedAlkCurve;
extern float extrapolatedAlkCurvePh;

void ResetPipelineRecords();
