// What the single-water pipeline files for each stored water besides its dose
// (engine/pipeline_records.h): the results of its last full calculation, the
// carbonate figures its reference pass left, the carbonate set the later passes
// and the target solvers start from, and the working state of the treatment loop.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"

// A copy of the analysis values and SaturationResults, taken by RunCalculations
// before the target solvers and put back before each solver and at the end.
struct SolverBackupRecord {
    float analysis[AnalysisElement::kCount];
    float saturation[kSaturationResultCount];
};
extern SolverBackupRecord SolverBackup;

// How each of the six solver runs of the last RunCalculations ended (a
// SolverOutcome of engine/pipeline/target_solvers.h), in the order RunCalculations
// runs them: calcite, aragonite, siderite, witherite, strontianite, magnesite.
extern uint16_t targetSolverOutcome[6];
// And their answers, in the same order: the cation (mg/L as CaCO3) to remove
// (positive) or add for the mineral to be just saturated, or kSolverNotReachable.
// The pages show the precipitation potential of the results pass instead, one
// quantity for every water, whether or not the solvers ran.
extern float targetSolverAnswer[6];

// SaturationResults and MomentaryExcess of one water's last full calculation. A
// water whose 38 excess values sum to exactly 0.0 counts as never calculated.
struct StoredResults {
    float saturation[kSaturationResultCount];
    float excess[kMomentaryExcessCount];
};
struct WaterResultsRecord {
    StoredResults surface;
    StoredResults injection;
    StoredResults formation;
    StoredResults multiMix[kMultiMixWaterCount];
};
extern WaterResultsRecord WaterResults;

// The carbonate figures the reference pass of one water left. The carbonate state
// comes first, so that the nine floats from k1 on are the constants the pH
// profile puts back before each point.
struct WaterCarbonate {
    CarbonateState constants;  // k1 ... acidityAsCaCO3 of the reference pass
    float h2co3;               // element 28, mg/L as H2CO3
    float hco3;                // element 29, mg/L as HCO3
    float co3;                 // element 30, mg/L as CO3
    float dissolvedCo2;        // mg/L as H2CO3
    float alkalinity;          // eq/kg, plain copy of the reference pass
    float acidity;             // eq/kg, plain copy of the reference pass
    // (HCO3 / 61.0173 + CO3 / 60.0094 + H2CO3 / 62.0253) / 1000 from the engine's
    // three carbonate amounts, mol/L; kept for the injection, formation and
    // multi-mix waters, which the mixing drivers blend.
    float totalCarbonate;
};
struct CarbonateSnapshotRecord {
    WaterCarbonate surface;
    WaterCarbonate injection;
    WaterCarbonate formation;
    WaterCarbonate multiMix[kMultiMixWaterCount];
};
extern CarbonateSnapshotRecord CarbonateSnapshot;

// The current carbonate set (mg/L): bicarbonate, carbonate, carbonic acid and the
// dissolved CO2 as H2CO3 of the water last calculated, which the target solvers,
// the scenario drivers and the pages read.
extern float currentHCO3;
extern float currentCO3;
extern float currentH2CO3;
extern float currentCO2;

// 1 when the last full calculation found a selected product with an active
// ingredient in one of its second to seventh components (or, after its treatment
// loop, a phosphate-bearing component).
extern uint16_t productActive;

// The treatment loop's state: the product dose of its last dose call and which of
// the three treatment chemicals it has already added to the analysis.
struct TreatmentStageRecord {
    float dose;                   // product dose, mg/L of product
    uint16_t phosphateAdded;      // the phosphate stage is done
    uint16_t polyphosphateAdded;  // the polyphosphate stage is done
    uint16_t zincAdded;           // the zinc stage is done
    uint16_t treatmentAdded;      // a pass reached the stage step
};
extern TreatmentStageRecord treatmentStage;

void ResetWaterResultsRecords();
