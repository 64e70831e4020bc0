// The treatment of the multi-mix blend: which product component makes the blend
// worth recomputing, the limit and dose inputs read from the blend's records,
// and one dose of the current product for the blend.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/dose/dose_records.h"
#include "engine/dose/inhibitor_dose.h"
#include "engine/pipeline/pipeline_records.h"
#include "input/records.h"
#include "scenarios/multimix/multimix_records.h"
#include "treatment/records.h"

// The 1-based number of the last of the first seven components whose first
// ingredient (the phosphate content) is above 0.01: a component whose dose
// changes the blend's water. 0 when there is none.
int32_t ActiveComponent(const ProductTable& product);

// True when the constant recirculating phosphate is in force: its own switch and
// the master switch are both on.
bool ConstantPhosphateOn(const ConstantConcentrations& constants);

// What one dose of the blend reads and writes.
struct BlendDose {
    const WaterAnalysis& mixed;
    MultiMixBlend& blend;      // blendResults and blendExcess in, the dose fields out
    DoseAnalysis& doseCopies;  // filled with the blend's records before the dose
    float phosphateMgL;        // the blend's phosphate before any dose, mg/L as PO4
    float temperature;         // element 15 of the blend, user's unit
    float time;                // residence time handed to the dose, s
};

// Fills the dose copies and the dose inputs from the blend, builds the limit
// inputs and runs the dose of the current product once; the status goes to
// blendDoseStatus, the dose to blendDose. Returns the first ingredient
// (phosphate) dose, mg/L as PO4.
float DoseTheBlend(const BlendDose& d);
