// Product checks, the re-run choice and the dose inputs of the mixing drivers.
#include "scenarios/mixing_dose.h"

#include <algorithm>

#include "common/index_code.h"
#include "engine/inhibitor_dose.h"

namespace {

// Limit codes 500 to 537 name a MomentaryExcess entry.
constexpr int kExcessCodeBase = 500;

}  // namespace

bool ProductHasPhosphate(const ProductTable& product) {
    for (int i = 0; i < kDosedComponentCount; ++i)
        if (product.records[i].ingredient1 > kPhosphateContent) return true;
    return false;
}

MixProfileWork ChooseMixProfileWork(const MixProductState& s) {
    if (!s.profileDone || s.hasPhosphate != s.phosphateAtLastDose ||
        (s.hasPhosphate && (!s.dosesDone || !s.sameProduct)))
        return MixProfileWork::kFullRun;
    if (!s.productSelected) return MixProfileWork::kClearDoses;
    if (s.dosesDone && s.sameProduct) return MixProfileWork::kNothing;
    return MixProfileWork::kDosesOnly;
}

bool ConstantPhosphateInForce(const ConstantConcentrations& constants) {
    return constants.constantValuesOn != 0 && constants.switches[0] != 0;
}

void MixLimitInputs(const ProductTable& product, const MixDoseSource& source,
                    const MixLimitRules& rules, float (&limits)[kLimitInputCount]) {
    const int counted =
        rules.allSevenComponents ? kLimitInputCount
                                 : std::clamp<int>(product.componentCount, 0, kLimitInputCount);
    const float temperature = source.point.analysis[AnalysisElement::kTemperature];
    const dose::VariableSource variables{
        source.point,
        source.units,
        dose::DoseTemperatureK(temperature, source.units.units.code[UnitItem::kTemperature]),
        source.residenceTime,
        source.corrosionTarget,
        0.0f};
    for (int i = 0; i < kLimitInputCount; ++i) {
        limits[i] = 0.0f;
        if (i >= counted) continue;
        const int code = product.records[i].limitCode;
        const int excessIndex = code - kExcessCodeBase;
        if (rules.excessCodes && excessIndex >= 0 && excessIndex < kMomentaryExcessCount)
            limits[i] = source.point.excess[excessIndex];
        else
            limits[i] = static_cast<float>(dose::GridDriverValue(code, variables));
    }
}

DoseContext MixDoseInputs(const DoseAnalysis& point, int resultSlot, float phosphate,
                          const UnitContext& units) {
    const float* a = point.analysis;
    const float* r = point.results;
    DoseContext inputs{};
    inputs.value[DoseInput::kPh] = a[AnalysisElement::kPh];
    inputs.value[DoseInput::kResultValue] = r[resultSlot];
    inputs.value[DoseInput::kCalciteRatio] = r[IndexCode::kCalcite];
    inputs.value[DoseInput::kSilica] = a[AnalysisElement::kSilica];
    inputs.value[DoseInput::kIron] = a[AnalysisElement::kIron];
    inputs.value[DoseInput::kIngredient1] = 0.0f;
    inputs.value[DoseInput::kPhosphate] = phosphate;
    inputs.value[DoseInput::kCalciumPhosphateRatio] = r[IndexCode::kCalciumPhosphate];
    // The polyphosphate and zinc already in the mix, as the single-water
    // calculation gives them for a water of its own.
    inputs.value[DoseInput::kIngredient2] =
        static_cast<float>(ConvPolyPO4Units(a[AnalysisElement::kPolyphosphate], units));
    inputs.value[DoseInput::kIngredient3] =
        static_cast<float>(ConvZnUnits(a[AnalysisElement::kZinc], units));
    return inputs;
}

bool MixProfilePhosphateAddition(double amountMgL, uint16_t reportingMode, uint16_t phosphateUnit,
                                 float& added) {
    if (reportingMode == ReportingMode::kEpm) {
        added = static_cast<float>(amountMgL / 31.7);  // 31.7 mg of PO4 per equivalent
        return true;
    }
    switch (phosphateUnit) {
        case 0: added = static_cast<float>(amountMgL); return true;
        case 1: added = static_cast<float>(amountMgL * 1.58); return true;
        case 2: added = static_cast<float>(amountMgL / 1.34); return true;
        case 3: added = static_cast<float>(amountMgL * 1.338028); return true;
        default: return false;
    }
}
