#include "shell/workfile/stored_sulfide_check.h"

#include <cstring>
#include <utility>

#include "common/water_analysis.h"
#include "engine/pipeline/sulfide_alkalinity.h"
#include "input/typed_values.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

// The stored water with its gases as typed: its calculation found a pH2S
// for a typed H2S (or the reverse), which the form leaves blank and which
// would otherwise stand for the H2S it was found from.
std::string Told(const WaterAnalysis& water, const float* entered, const std::string& name) {
    float typed[AnalysisElement::kCount];
    ValuesAsTyped(water.values, entered, true, typed);
    float values[AnalysisElement::kCount];
    std::memcpy(values, water.values, sizeof values);
    values[AnalysisElement::kH2S] = typed[AnalysisElement::kH2S];
    values[AnalysisElement::kPH2S] = typed[AnalysisElement::kPH2S];
    const std::string text = SulfideAlkalinityText(SulfideAgainstAlkalinity(values), name);
    return text.empty() ? text : text + "\n";
}

}  // namespace

std::string StoredSulfideNotice() {
    std::string notice;
    const std::pair<int32_t, const char*> forms[] = {
        {WaterSelector::kSurface, "the surface water"},
        {WaterSelector::kInjection, "the injection water"},
        {WaterSelector::kFormation, "the formation water"}};
    for (const auto& [water, name] : forms)
        if (IsFormWaterEntered(water)) notice += Told(*FormWaterAnalysis(water), enteredValues[water], name);
    for (int k = 0; k < kMultiMixWaterCount; ++k)
        if (multiMixState.multiMixEntered[k] != 0)
            notice += Told(multiMixState.sourceWaters[k], sourceValuesAsEntered[k],
                           "multi-mix water " + std::to_string(k + 1));
    return notice;
}
