// RunCalculations: one equilibrium calculation and, on request, the carbonate
// target solvers on copies of the water.
#include "engine/pipeline/run_calculations.h"

#include <cstring>

#include "engine/carbonate/carbonate_species.h"
#include "engine/pipeline/engine_state_copy.h"
#include "engine/pipeline/target_solvers.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "engine/speciation/calc_equilibrium.h"

namespace {

// The target of every solver: a saturation ratio of exactly 1.
constexpr float kSaturated = 1.0f;

void TakeSolverBackup() {
    std::memcpy(SolverBackup.analysis, currentAnalysis.values, sizeof SolverBackup.analysis);
    std::memcpy(SolverBackup.saturation, SaturationResults, sizeof SolverBackup.saturation);
}

void PutSolverBackupBack() {
    std::memcpy(currentAnalysis.values, SolverBackup.analysis, sizeof SolverBackup.analysis);
    std::memcpy(SaturationResults, SolverBackup.saturation, sizeof SolverBackup.saturation);
}

}  // namespace

void RunCalculationsWith(EngineFunction engine) {
    engine();
    if (resultStatus.runTargetSolvers == 0) return;

    // The solvers run the engine on trial waters; this copy puts the engine back
    // to what the water's own run left (the acid demand a solver may set stays).
    static_assert(sizeof(EngineStateCopy) < 64 * 1024, "the copy lives on the stack");
    EngineStateCopy waterRun;
    SaveEngineState(waterRun);
    TakeSolverBackup();

    SolverRecords records = GlobalSolverRecords();
    const SolverServices services{engine, pHFromAlk};
    float answers[kTargetSolverRunCount] = {};
    for (int i = 0; i < kTargetSolverRunCount; ++i) {
        if (i > 0) PutSolverBackupBack();
        float ph = 0.0f;
        targetSolverOutcome[i] = static_cast<uint16_t>(
            SolveCarbonateSaturation(*kTargetSolverRuns[i].cation, kTargetSolverRuns[i].mineral,
                                     answers[i], kSaturated, ph, records, services));
    }

    PutSolverBackupBack();
    RestoreEngineState(waterRun);
    for (int i = 0; i < kTargetSolverRunCount; ++i) targetSolverAnswer[i] = answers[i];
}

void RunCalculations() {
    RunCalculationsWith(CalcEquilibrium);
}

void RunCalculationsAnswersReplaced(EngineFunction engine) {
    engine();
    if (resultStatus.runTargetSolvers == 0) return;
    SolverRecords records = GlobalSolverRecords();
    (void)TakeStartAlkalinityDemand(records);
}
