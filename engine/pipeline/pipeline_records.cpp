// Definitions of the single-water pipeline's per-water records.
#include "engine/pipeline/pipeline_records.h"

#include "engine/pipeline/surface_engine_state.h"

DoseAnalysis doseAnalysis;
CorrosionRates corrosionRates;
DoseState doseState;
char productAtLastCalc[kProductFileNameChars];
float corrosionTargetAtLastCalc;
float currentResidenceTime;
AlkCurveCoefficients extrapolatedAlkCurve;
float extrapolatedAlkCurvePh;
std::unique_ptr<SurfaceEngineState> keptSurfaceEngineState;

void ResetPipelineRecords() {
    doseAnalysis = DoseAnalysis{};
    corrosionRates = CorrosionRates{};
    doseState = DoseState{};
    for (char& c : productAtLastCalc) c = 0;
    corrosionTargetAtLastCalc = 0.0f;
    currentResidenceTime = 0.0f;
    extrapolatedAlkCurve = AlkCurveCoefficients{};
    extrapolatedAlkCurvePh = 0.0f;
    keptSurfaceEngineState.reset();
}
