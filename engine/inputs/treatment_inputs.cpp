// Inputs of the inhibitor dose for one calculated water.
#include "engine/inputs/treatment_inputs.h"

#include <cstring>

#include "engine/inputs/engine_unit_factors.h"

namespace {

// Product records above this phosphate content (fraction of the first
// ingredient) change the water's phosphate when dosed.
constexpr float kPhosphateContent = 0.01f;
constexpr float kActiveIngredient = 1e-06f;

}  // namespace

bool ProductChanged(const ProductTable& product, bool productSelected,
                    const char* productAtLastCalc, float corrosionTarget,
                    float corrosionTargetAtLastCalc) {
    if (!productSelected) return false;
    const char* current = product.records[0].fileName;
    if (std::strncmp(current, productAtLastCalc, kProductFileNameChars - 1) != 0) return true;
    return corrosionTarget != corrosionTargetAtLastCalc;
}

bool ProductCarriesPhosphate(const ProductTable& product) {
    for (int i = 0; i < kDosedComponentCount; ++i)
        if (product.records[i].ingredient1 > kPhosphateContent) return true;
    return false;
}

bool LaterComponentHasActiveIngredient(const ProductTable& product) {
    for (int i = 1; i < kDosedComponentCount; ++i)
        if (product.records[i].ingredient1 > kActiveIngredient) return true;
    return false;
}

bool NeverCalculated(const StoredResults& results) {
    double sum = 0.0;
    for (float e : results.excess) sum += e;
    return sum == 0.0;
}

void BuildLimitInputs(const ProductTable& product, const dose::VariableSource& source,
                      float (&limitInputs)[kLimitInputCount]) {
    for (int i = 0; i < kLimitInputCount; ++i) {
        limitInputs[i] =
            i < product.componentCount
                ? static_cast<float>(dose::LimitInputValue(product.records[i].limitCode, source,
                                                           /*readsExcess=*/true))
                : 0.0f;
    }
}

void BuildDoseInputs(const WaterAnalysis& analysis,
                     const float (&saturation)[kSaturationResultCount], const StagesDone& done,
                     const UnitContext& units, DoseContext& inputs) {
    const float* v = analysis.values;
    float* in = inputs.value;
    in[DoseInput::kPh] = v[AnalysisElement::kPh];
    in[DoseInput::kResultValue] = saturation[IndexCode::kLarsonSkold];
    in[DoseInput::kCalciteRatio] = saturation[IndexCode::kCalcite];
    in[DoseInput::kSilica] = v[AnalysisElement::kSilica];
    in[DoseInput::kIron] = v[AnalysisElement::kIron];
    in[DoseInput::kIngredient1] = 0.0f;
    if (!done.phosphate)
        in[DoseInput::kPhosphate] =
            static_cast<float>(ConvPO4Units(v[AnalysisElement::kPhosphate], units));
    in[DoseInput::kCalciumPhosphateRatio] = saturation[IndexCode::kCalciumPhosphate];
    if (!done.polyphosphate)
        in[DoseInput::kIngredient2] =
            static_cast<float>(ConvPolyPO4Units(v[AnalysisElement::kPolyphosphate], units));
    if (!done.zinc)
        in[DoseInput::kIngredient3] =
            static_cast<float>(ConvZnUnits(v[AnalysisElement::kZinc], units));
}

double ZincDoseInUserUnits(double doseMgL, const UnitCodes& units) {
    const double perUnit = ZincToMgL(1.0, units.code[UnitItem::kZinc]);
    return perUnit > 0.0 ? doseMgL / perUnit : 0.0;
}
