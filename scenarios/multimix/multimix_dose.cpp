// The dose of the multi-mix blend.
#include "scenarios/multimix/multimix_dose.h"

#include "engine/inputs/treatment_inputs.h"
#include "engine/inputs/unit_conversions.h"
#include "scenarios/frame/engine_port.h"

namespace {

namespace AE = AnalysisElement;

// Phosphate content above which a component's dose changes the water.
constexpr float kActiveIngredientFloor = 0.01f;

}  // namespace

int32_t ActiveComponent(const ProductTable& product) {
    int32_t active = 0;
    for (int i = 0; i < kDosedComponentCount; ++i)
        if (product.records[i].ingredient1 > kActiveIngredientFloor) active = i + 1;
    return active;
}

bool ConstantPhosphateOn(const ConstantConcentrations& constants) {
    return constants.constantValuesOn != 0 && constants.switches[0] != 0;
}

float DoseTheBlend(const BlendDose& d) {
    MultiMixBlend& b = d.blend;
    const float* water = d.mixed.values;
    for (int i = 0; i < AE::kCount; ++i) d.doseCopies.analysis[i] = water[i];
    for (int i = 0; i < kSaturationResultCount; ++i) d.doseCopies.results[i] = b.blendResults[i];
    for (int i = 0; i < kMomentaryExcessCount; ++i) d.doseCopies.excess[i] = b.blendExcess[i];

    // The values the product's limits name, read from the copies just made.
    const UnitContext units = GlobalUnitContext();
    const dose::VariableSource source{
        d.doseCopies,
        units,
        dose::DoseTemperatureK(d.temperature, unitCodes.code[UnitItem::kTemperature]),
        d.time,
        corrosionTarget,
        doseFigure,
    };
    float limitInputs[kLimitInputCount];
    BuildLimitInputs(productTable, source, limitInputs);

    // Entries 8 and 9 (polyphosphate and zinc) keep what the previous dose left.
    float* in = b.blendDoseInputs.value;
    in[DoseInput::kPh] = water[AE::kPh];
    in[DoseInput::kResultValue] = b.blendResults[IndexCode::kLarsonSkold];
    in[DoseInput::kCalciteRatio] = b.blendResults[IndexCode::kCalcite];
    in[DoseInput::kSilica] = water[AE::kSilica];
    in[DoseInput::kIron] = water[AE::kIron];
    in[DoseInput::kIngredient1] = 0.0f;
    in[DoseInput::kPhosphate] = d.phosphateMgL;
    in[DoseInput::kCalciumPhosphateRatio] = b.blendResults[IndexCode::kCalciumPhosphate];

    b.blendDoseStatus = CurrentScenarioEngine().calcInhibitorDosage(
        &b.blendDoseInputs, d.temperature, limitInputs, d.time, &b.blendDose);
    return in[DoseInput::kIngredient1];
}
