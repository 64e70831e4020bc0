// What the water analysis form keeps beside the analysis records: each stored
// water's values as the user entered them, its C2-C5 acids, the picture of the
// form taken when it showed a water (to tell a change), the pH prediction
// state, and the display flags of the form.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "input/records.h"

constexpr int kFormWaterCount = 3;  // surface, injection, formation (the form's selectors 0..2)

// Per stored water, the 64 values as entered, before the calculation balanced
// or computed any of them.
extern float enteredValues[kFormWaterCount][AnalysisElement::kCount];
// Per stored water, its C2, C3, C4 and C5 acids (mg/L); the current set is
// organicAcids.
extern float waterOrganicAcids[kFormWaterCount][kOrganicAcidCount];

// The water selector as it was when the form opened.
extern int32_t formWater;

// What the form showed when it displayed a stored or pasted water.
struct FormSnapshot {
    float values[AnalysisElement::kCount];
    float organicAcids[kOrganicAcidCount];
    float corrosionTarget;
    double residenceSeconds;
    int32_t sampleDate;
    int32_t reportDate;
};
extern FormSnapshot formSnapshot;

// 1 while the pH is left for the calculation to predict; predictedPh is the pH
// the form showed for such a water.
extern uint16_t phPredicted;
extern float predictedPh;

// Set around a redisplay after the units changed: the water is shown as stored
// whether or not it was entered.
extern uint16_t unitsRedisplay;

// 1 while the form's note says that H2S will be calculated from pH2S (both are
// entered); the note, the H2S and the pH2S fields are then drawn in red.
extern uint16_t twoSulfideNote;

// The residence time on the form, in seconds.
extern float formResidenceSeconds;

// Polyphosphate and oxalate as last read from the form, for the multi-mix form.
extern float formPolyphosphate;
extern float formOxalate;

// Value fields the balancing changed: sodium, potassium, chloride, sulfate,
// nitrate and (its entered value negative) the pH, shown in red.
constexpr int kRedFieldCount = 6;
extern uint16_t redFields[kRedFieldCount];

// 1 once the form has drawn the source water's pH-alkalinity line (the engine's
// extrapolatedAlkCurve and extrapolatedAlkCurvePh).
extern uint32_t phAlkLineValid;

void ResetWaterFormRecords();
