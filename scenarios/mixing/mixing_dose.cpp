// Product checks, the re-run choice and the dose inputs of the mixing drivers.
#include "scenarios/mixing/mixing_dose.h"

#include <algorithm>
#include <iterator>

#include "common/index_code.h"
#include "engine/dose/inhibitor_dose.h"

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
    const float temperature = source.point.analysis[AnalysisElement::kTemperature];
    const dose::VariableSource variables{
        source.point,
        source.units,
        dose::DoseTemperatureK(temperature, source.units.units.code[UnitItem::kTemperature]),
        source.residenceTime,
        source.corrosionTarget,
        0.0f};
    const int counted = rules.allSevenComponents ? kLimitInputCount : product.componentCount;
    for (int i = 0; i < kLimitInputCount; ++i)
        limits[i] = i < counted ? static_cast<float>(dose::LimitInputValue(
                                      product.records[i].limitCode, variables, rules.excessCodes))
                                : 0.0f;
}

DoseContext MixDoseInputs(const DoseAnalysis& point, int resultSlot, float phosphate,
                          const UnitContext& units) {
    WaterAnalysis water{};
    std::copy(std::begin(point.analysis), std::end(point.analysis), water.values);
    DoseContext inputs{};
    BuildDoseInputs(water, point.results, StagesDone{false, false, false}, units, inputs);
    inputs.value[DoseInput::kResultValue] = point.results[resultSlot];
    inputs.value[DoseInput::kPhosphate] = phosphate;
    return inputs;
}
