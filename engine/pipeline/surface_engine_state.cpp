// Keeping and putting back the engine state of the surface water's calculation.
#include "engine/pipeline/surface_engine_state.h"

#include <cmath>
#include <cstring>

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/saturation/results_records.h"
#include "engine/saturation/water_results_records.h"

void KeepSurfaceEngineState() {
    if (keptSurfaceEngineState == nullptr)
        keptSurfaceEngineState = std::make_unique<SurfaceEngineState>();
    SurfaceEngineState& k = *keptSurfaceEngineState;
    if (std::memcmp(k.surface.values, surfaceWater.values, sizeof k.surface.values) != 0)
        k.ownConditions = false;
    k.surface = surfaceWater;
    SaveEngineState(k.engine);
    k.referenceH2CO3 = referenceH2CO3;
    k.referenceHCO3 = referenceHCO3;
    k.referenceCO3 = referenceCO3;
    k.referenceDissolvedCo2 = referenceDissolvedCo2;
    k.currentCO2 = currentCO2;
    k.currentH2CO3 = currentH2CO3;
    k.currentHCO3 = currentHCO3;
    k.currentCO3 = currentCO3;
    k.extrapolatedAlkCurve = extrapolatedAlkCurve;
    k.extrapolatedAlkCurvePh = extrapolatedAlkCurvePh;
}

bool RestoreSurfaceEngineState() {
    if (keptSurfaceEngineState == nullptr) return false;
    const SurfaceEngineState& k = *keptSurfaceEngineState;
    if (std::memcmp(k.surface.values, surfaceWater.values, sizeof k.surface.values) != 0)
        return false;
    RestoreEngineState(k.engine);
    referenceH2CO3 = k.referenceH2CO3;
    referenceHCO3 = k.referenceHCO3;
    referenceCO3 = k.referenceCO3;
    referenceDissolvedCo2 = k.referenceDissolvedCo2;
    currentCO2 = k.currentCO2;
    currentH2CO3 = k.currentH2CO3;
    currentHCO3 = k.currentHCO3;
    currentCO3 = k.currentCO3;
    extrapolatedAlkCurve = k.extrapolatedAlkCurve;
    extrapolatedAlkCurvePh = k.extrapolatedAlkCurvePh;
    if (k.ownConditions) {
        referenceH2CO3 = referenceDissolvedCo2 = k.ownCarbonicAcid;
        currentH2CO3 = currentCO2 = k.ownCarbonicAcid;
        referenceAlkalinity = k.ownAlkalinity;
    }
    return true;
}

void KeepSurfaceOwnConditions(float ownCarbonicAcid, double ownAlkalinity) {
    if (keptSurfaceEngineState == nullptr) return;
    if (!(ownCarbonicAcid >= 0.0f) || !std::isfinite(ownAlkalinity)) return;
    SurfaceEngineState& k = *keptSurfaceEngineState;
    k.ownConditions = true;
    k.ownCarbonicAcid = ownCarbonicAcid;
    k.ownAlkalinity = ownAlkalinity;
}

void ForgetSurfaceEngineState() { keptSurfaceEngineState.reset(); }
