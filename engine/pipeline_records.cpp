// Definitions of the single-water pipeline's records.
#include "engine/pipeline_records.h"

AlkCurveCoefficients extrapolatedAlkCurve;
float extrapolatedAlkCurvePh;

void ResetPipelineRecords() {
    extrapolatedAlkCurve = AlkCurveCoefficients{};
    extrapolatedAlkCurvePh = 0.0f;
}
