// Definitions of the single-water pipeline's per-water stores.
#include "engine/saturation/water_results_records.h"

SolverBackupRecord SolverBackup;
uint16_t targetSolverOutcome[6];
float targetSolverAnswer[6];
WaterResultsRecord WaterResults;
CarbonateSnapshotRecord CarbonateSnapshot;
float currentHCO3;
float currentCO3;
float currentH2CO3;
float currentCO2;
uint16_t productActive;
TreatmentStageRecord treatmentStage;

void ResetWaterResultsRecords() {
    SolverBackup = SolverBackupRecord{};
    for (uint16_t& o : targetSolverOutcome) o = 0;
    for (float& a : targetSolverAnswer) a = 0.0f;
    WaterResults = WaterResultsRecord{};
    CarbonateSnapshot = CarbonateSnapshotRecord{};
    currentHCO3 = currentCO3 = currentH2CO3 = currentCO2 = 0.0f;
    productActive = 0;
    treatmentStage = TreatmentStageRecord{};
}
