// What every whole-engine test starts from: the engine's and its callers'
// global records back at their start, and the units of a water entered in mg/L.
#pragma once

#include "engine/balancing/balancing_records.h"
#include "engine/carbonate/carbonate_records.h"
#include "engine/tables/constants_records.h"
#include "engine/dose/dose_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/speciation/ph_solve_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciation_records.h"
#include "engine/dose/treatment_limits_hook.h"
#include "engine/saturation/water_results_records.h"
#include "input/records.h"
#include "input/residence_records.h"
#include "input/unit_factor_records.h"
#include "input/unit_factor_table.h"
#include "pages/records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace test_world {

// The records the engine, the water pipeline and the windows it reports to
// read or write, each back at its start, and the default limits hook.
inline void ResetEngineWorld() {
    ResetEngineRecords();
    ResetInputsRecords();
    ResetConstantsRecords();
    ResetResultsRecords();
    ResetSpeciationRecords();
    ResetPhSolveRecords();
    ResetCarbonateRecords();
    ResetInputRecords();
    ResetPipelineRecords();
    ResetWaterResultsRecords();
    ResetBalancingRecords();
    ResetDoseRecords();
    ResetTreatmentRecords();
    ResetShellRecords();
    ResetPagesRecords();
    ResetMultiMixRecords();
    ResetResidenceRecords();
    ResetUnitFactorRecords();
    InstallTreatmentLimitsHook(nullptr);
}

// The units and modes of a water entered in mg/L with the ions' bicarbonate and
// carbonate given (alkalinity mode 2), degrees C and atm.
inline void UseMgPerLitre() {
    InitUnitFactors();
    unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kAtm;
    reportingMode = ReportingMode::kMgPerL;
    alkalinityMode = 2;
}

// Standard sea water (the reference composition at salinity 35) at 25 C, 1 atm
// and pH 8.1, in mg/L, into the analysis values `v`; bicarbonate as the ion.
inline void FillSeaWater(float* v) {
    namespace E = AnalysisElement;
    v[E::kPh] = 8.1f;
    v[E::kTemperature] = 25.0f;
    v[E::kPressure] = 1.0f;
    v[E::kSodium] = 10760.0f;
    v[E::kPotassium] = 399.0f;
    v[E::kCalcium] = 412.0f;
    v[E::kMagnesium] = 1290.0f;
    v[E::kStrontium] = 7.9f;
    v[E::kChloride] = 19350.0f;
    v[E::kSulfate] = 2710.0f;
    v[E::kBromine] = 67.0f;
    v[E::kFluoride] = 1.3f;
    v[E::kBoron] = 4.5f;
    v[E::kMAlkalinity] = 140.0f;
}

}  // namespace test_world
