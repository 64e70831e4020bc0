// The engine as the surface water's own calculation left it. The single-water
// drivers (the profiles, the grids and the well profiles) run on the surface
// water and start from that calculation: the carbonate its reference pass kept,
// its constants and the current carbonate set. A water calculated since (an
// injection, formation or multi-mix water), or a driver's own reference passes,
// leave theirs in the engine instead, which a driver of the surface water must
// not start from.
#pragma once

#include <memory>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/pipeline/engine_state_copy.h"

struct SurfaceEngineState {
    WaterAnalysis surface;  // the analysis the state belongs to
    EngineStateCopy engine;
    float referenceH2CO3;
    float referenceHCO3;
    float referenceCO3;
    float referenceDissolvedCo2;
    float currentCO2;
    float currentH2CO3;
    float currentHCO3;
    float currentCO3;
    AlkCurveCoefficients extrapolatedAlkCurve;
    float extrapolatedAlkCurvePh;
    // The water at its own temperature and pressure, as its results pass left
    // it: the dissolved CO2 its bicarbonate holds at its pH there (mg/L as
    // H2CO3) and its alkalinity there (eq/kg). A driver holds that CO2 beside the
    // carbonate and balances by pH to that alkalinity, so that its point at the
    // water's own conditions is the water of its page (the reference pass's are
    // those of the water at 25 C).
    bool ownConditions;
    float ownCarbonicAcid;
    double ownAlkalinity;
};
// Empty until the surface water is calculated; emptied by a new or opened
// workspace. Defined with the pipeline's records.
extern std::unique_ptr<SurfaceEngineState> keptSurfaceEngineState;

// Taken at the end of the surface water's calculation. The water's own
// conditions stay while the analysis is the one they were kept for.
void KeepSurfaceEngineState();
// After a full calculation of the surface water (KeepSurfaceEngineState first).
void KeepSurfaceOwnConditions(float ownCarbonicAcid, double ownAlkalinity);
// Puts the kept state back, the water's own conditions in place of the
// reference pass's values they stand for. False, with nothing changed, when none
// is kept or the surface water is no longer the analysis it was kept for.
bool RestoreSurfaceEngineState();
// A new or opened workspace: the kept state is another water's.
void ForgetSurfaceEngineState();
