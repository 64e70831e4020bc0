// The engine operations a what-if driver calls per point: the equilibrium run,
// the pH control and the inhibitor dose. The drivers reach them through this
// table so that a test can count the engine passes of a run, or stand in a
// scripted engine to check how a driver sets up each pass. The defaults are the
// chemistry engine's own routines on its global records.
#pragma once

#include <cstdint>

#include "engine/dose/dose_records.h"

struct ScenarioEngine {
    // One engine run on currentAnalysis (RunCalculations).
    void (*runCalculations)();
    // AdjustpHToTarget for the surface water (water 0) to `targetPh`, with the
    // surface water's pH as the pH a dose of carbon dioxide starts from and a
    // scratch alkalinity.
    void (*adjustPhToTarget)(float targetPh);
    // CalcInhibitorDosage(dose inputs, temperature, seven driver values, time, dose).
    int16_t (*calcInhibitorDosage)(DoseContext* doseInputs, float temperature,
                                   const float* driverValues, float time, float* productDose);
    // One engine run whose target-solver answers the driver's next run at the same
    // point replaces before anything reads them (RunCalculationsAnswersReplaced).
    void (*runCalculationsAnswersReplaced)();
    // After the point's first pass at its target pH: the pH control's dose
    // settled on that pass (SettlepHDemandFromPh from the surface water's pH).
    void (*settlePhDose)(float startPh, float targetPh);
    // AdjustpHToTarget for the working analysis from `startPh` (its own pH, as
    // its last pass found it, with the species that pass left in it) to
    // `targetPh`.
    void (*adjustPhFrom)(float startPh, float targetPh) = nullptr;
};

// Replaces the operations; a null member keeps the engine's own routine, except
// that a stand-in runCalculations also serves the runs whose answers are replaced
// unless a routine is given for those, and leaves the doses as the pH control
// found them (the stand-in's passes speciate nothing to settle them on) unless
// a settling routine is given, and adjusts a point's pH from its own pH as the
// stand-in's pH control does (from the surface water's) unless a routine is given.
void InstallScenarioEngine(const ScenarioEngine& engine);
void ResetScenarioEngine();
// False while a stand-in leaves the pH control's doses as it found them: the
// mixes then run no pass to settle them on either.
bool SettlesPhDoses();
// The operations in force.
const ScenarioEngine& CurrentScenarioEngine();
// The engine's own routines.
const ScenarioEngine& DefaultScenarioEngine();
