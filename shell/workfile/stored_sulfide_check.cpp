#include "shell/workfile/stored_sulfide_check.h"

#include <cstring>
#include <utility>

#include "common/water_analysis.h"
#include "engine/pipeline/checks/sulfide_alkalinity.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

std::string Told(const WaterAnalysis& water, const float* entered, const std::string& name) {
    const std::string text =
        SulfideAlkalinityText(SulfideAgainstAlkalinity(water.values, entered), name);
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
        if (IsFormWaterEntered(water))
            notice += Told(*FormWaterAnalysis(water), enteredValues[water], name);
    for (int k = 0; k < kMultiMixWaterCount; ++k)
        if (multiMixState.multiMixEntered[k] != 0)
            notice += Told(multiMixState.sourceWaters[k], sourceValuesAsEntered[k],
                           "multi-mix water " + std::to_string(k + 1));
    return notice;
}

std::string SurfaceSulfideRefusal() {
    if (!IsFormWaterEntered(WaterSelector::kSurface)) return "";
    const std::string text = SulfideAlkalinityText(
        SulfideAgainstAlkalinity(FormWaterAnalysis(WaterSelector::kSurface)->values,
                                 enteredValues[WaterSelector::kSurface]),
        "the surface water");
    return text.empty() ? text : text + " Please correct the water on its form.";
}
