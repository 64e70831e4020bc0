// The stages of the full calculation of one stored water that CalcWaterAnalysis
// runs in order: the dose refresh of a water whose results are current, and the
// treatment loop of a water just balanced. Shared by the two files of the pipeline.
#pragma once

#include "engine/pipeline/run_calculations.h"
#include "engine/pipeline/stored_water.h"

struct PipelineRun {
    StoredWater water;
    EngineFunction engine;
    bool productSelected;
    bool productChanged;
    bool carriesPhosphate;  // a product record with a phosphate content above 0.01
    float basePhosphate;    // element 5 before the treatment, user's unit
    float baseZinc;         // element 21 before the treatment, user's unit
    bool doseComputed;      // this run computed the water's dose
    // The water at its own conditions after its results pass (full calculation).
    bool ownConditionsTaken;
    float ownCarbonicAcid;  // mg/L as H2CO3
    double ownAlkalinity;   // eq/kg
};

// Makes the water's own residence time the current one (the mixed water and a
// pasted surface water keep the current time).
void TakeWaterResidenceTime(const StoredWater& water);

// Only the dose of a water whose results are current: its stored results go back
// into SaturationResults and MomentaryExcess and the dose runs once.
void RefreshDose(PipelineRun& run);

// The treatment loop after balancing: results pass, corrosion rates, dose, and the
// phosphate, polyphosphate and zinc the dose adds, each followed by a new pass; a
// final pass on the water with the doses added; then the results are filed.
void RunTreatmentLoop(PipelineRun& run);

// The four corrosion rates of the water in currentAnalysis, into `rates` and the
// last-rates copy.
void StoreCorrosionRates(float* rates);

// The current product file name as the product of the last dose.
void RecordProductAtLastCalc();
