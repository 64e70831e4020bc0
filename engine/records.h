// The chemistry engine's fixed global records: the stored water analyses and the
// working analysis, the user's units, and the result records every calculation
// writes. Records that belong to one concern of the engine live beside that
// concern in its own *_records.h.
#pragma once

#include <cstdint>

#include "common/result_status.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/tables/species_tables.h"

constexpr int kSaturationResultCount = 64;
constexpr int kMomentaryExcessCount = 38;

// The working analysis that the engine reads and writes; every calculation first
// copies a stored water into it.
extern WaterAnalysis currentAnalysis;
extern WaterAnalysis surfaceWater;
extern WaterAnalysis injectionWater;
extern WaterAnalysis formationWater;
extern WaterAnalysis mixedWater;

extern UnitCodes unitCodes;
extern uint16_t reportingMode;   // 1 ppm, 2 mg/l, 3 epm
extern uint16_t alkalinityMode;  // 1..7: how alkalinity is entered

extern ResultStatus resultStatus;

// Results of the last calculation, indexed by IndexCode, and the 38-value
// momentary-excess vector beside them.
extern float SaturationResults[kSaturationResultCount];
extern float MomentaryExcess[kMomentaryExcessCount];

// The answer slots of the carbonate target solvers (SaturationResults slots 51, 53,
// 55, 57, 58 and 60) hold this marker when the solver could not bring the water to
// saturation (no cation or alkalinity to move, no saturation ratio, or no
// convergence). No answer can take it: answers are amounts of at most a million
// mg/L as CaCO3. Pages, reports and exports show it as "N/A".
constexpr float kSolverNotReachable = -1.0e30f;
inline bool IsSolverNotReachable(float answer) {
    return answer == kSolverNotReachable;
}

extern CarbonateState carbonateState;

// Puts every engine record back to its start-of-run state (zero); tests call it
// between cases.
void ResetEngineRecords();
