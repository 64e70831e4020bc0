// The treatment side of the waterflood mixing drivers: what a profile call must
// recompute for the product in force (a product that carries phosphate,
// ProductCarriesPhosphate, changes the water and not only the dose), and the
// limit and dose inputs of the inhibitor dose at one mix.
#pragma once

#include <cstdint>

#include "engine/dose/dose_records.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/inputs/treatment_inputs.h"
#include "engine/dose/treatment_limits_hook.h"
#include "engine/inputs/unit_conversions.h"
#include "input/records.h"
#include "treatment/records.h"

// What a mixing-ratio profile call does about the product in force.
enum class MixProfileWork {
    kFullRun,     // compute every point
    kClearDoses,  // no product: the doses and statuses become 0
    kNothing,     // the doses are current for this product
    kDosesOnly,   // recompute the doses from the stored points
};
struct MixProductState {
    bool profileDone;          // mixProfileDone
    bool hasPhosphate;         // the current product carries phosphate
    bool phosphateAtLastDose;  // mixPhosphateProduct
    bool dosesDone;            // mixDosesDone
    bool sameProduct;          // the product file name equals mixDoseProduct
    bool productSelected;
};
// A full run when the points are not current, when the product's phosphate
// differs from the last dose's, or when a phosphate product's doses are stale;
// otherwise the doses follow the product.
MixProfileWork ChooseMixProfileWork(const MixProductState& state);

// True when the constant recirculating phosphate is held (its switch and the
// master switch both on).
bool ConstantPhosphateInForce(const ConstantConcentrations& constants);

// One mix as the dose sees it (DoseAnalysis) and what the limit inputs read
// beside it.
struct MixDoseSource {
    const DoseAnalysis& point;
    const UnitContext& units;
    float residenceTime;    // seconds, limit code 200
    float corrosionTarget;  // limit codes 301 and 302
};
// Which codes a driver's limit inputs read.
struct MixLimitRules {
    bool allSevenComponents;  // past the component count too (the grids)
    bool excessCodes;         // codes 500 to 537 read MomentaryExcess (the profile)
};
// The seven limit inputs, one per product component: below 100 the result at
// that IndexCode, 100 to 199 the analysis element (chloride, sulfate, silica,
// phosphate and magnesium in mg/L), 200 the residence time, 301 and 302 the
// corrosion target, 500 to 537 the MomentaryExcess entry when the rules say so;
// any other code, and a component not counted, 0.0.
void MixLimitInputs(const ProductTable& product, const MixDoseSource& source,
                    const MixLimitRules& rules, float (&limits)[kLimitInputCount]);

// The ten dose inputs of a mix as the single-water calculation forms them
// (BuildDoseInputs), with the result at `resultSlot` as the second input and
// `phosphate` as the phosphate present.
DoseContext MixDoseInputs(const DoseAnalysis& point, int resultSlot, float phosphate,
                          const UnitContext& units);
