// What the single-water pipeline hands the inhibitor dose: whether the product
// changed or carries active ingredients, the seven limit inputs, the ten dose
// inputs, and the treatment chemicals a dose adds to the water, expressed in the
// user's units.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/dose/dose_records.h"
#include "engine/dose/inhibitor_dose.h"
#include "engine/records.h"
#include "engine/dose/treatment_limits_hook.h"
#include "engine/inputs/unit_conversions.h"
#include "engine/saturation/water_results_records.h"
#include "treatment/records.h"

// True when a selected product's file name differs from the one the last dose
// used, or the corrosion target differs from the one it used.
bool ProductChanged(const ProductTable& product, bool productSelected,
                    const char* productAtLastCalc, float corrosionTarget,
                    float corrosionTargetAtLastCalc);

// The phosphate content (first ingredient) above 0.01 in any of the first seven
// components: a product whose dose changes the water's phosphate.
bool ProductCarriesPhosphate(const ProductTable& product);

// A first ingredient above 1e-06 in any of the second to seventh components.
bool LaterComponentHasActiveIngredient(const ProductTable& product);

// A water whose 38 stored excess values sum to exactly 0.0 was never calculated.
bool NeverCalculated(const StoredResults& results);

// The values the product's limits name, one per dosed component, read from the
// water's dose copies (DoseAnalysis) by the dose's own reading of limit codes;
// 0.0 past the component count and for codes that name no value.
void BuildLimitInputs(const ProductTable& product, const dose::VariableSource& source,
                      float (&limitInputs)[kLimitInputCount]);

// Which treatment chemicals the loop has already added to the analysis.
struct StagesDone {
    bool phosphate;
    bool polyphosphate;
    bool zinc;
};

// Fills the dose inputs from the analysis and the results: pH, the Larson-Skold
// ratio, the calcite ratio, silica, iron, the phosphate dose (0 on entry), the
// phosphate, the calcium phosphate ratio, polyphosphate and zinc. The phosphate,
// polyphosphate and zinc present are converted to mg/L only while their stage is
// not done; a done stage keeps what the entry holds.
void BuildDoseInputs(const WaterAnalysis& analysis,
                     const float (&saturation)[kSaturationResultCount], const StagesDone& done,
                     const UnitContext& units, DoseContext& inputs);

// A zinc dose (mg/L as Zn) in the user's zinc unit (UnitCodes item 33): the inverse
// of the engine's own zinc conversion, so that the engine reads exactly the dose
// more when it converts the raised value back.
double ZincDoseInUserUnits(double doseMgL, const UnitCodes& units);
