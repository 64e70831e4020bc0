// Recomputing the multi-mix source waters and their blend.
#include "shell/commands/recalc_multimix.h"

#include <algorithm>
#include <iterator>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/pipeline/water_carry_over.h"
#include "engine/records.h"
#include "input/typed_values.h"
#include "scenarios/multimix/multimix.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"

MultiMixRecalcServices ProgramMultiMixRecalcServices() {
    return MultiMixRecalcServices{CalcWaterAnalysis, MixWaters, UpdateMenuTexts};
}

void NormaliseMultiMixWeights(float* weights, int last) {
    double sum = 0.0;
    for (int k = 0; k <= last; ++k) sum += weights[k];
    if (sum == 0.0 || (sum >= 99.999999 && sum <= 100.00001)) return;
    for (int k = 0; k <= last; ++k) weights[k] = static_cast<float>(weights[k] * 100.0 / sum);
}

int RecalcMultiMix(const MultiMixRecalcServices& s) {
    MultiMixState& m = multiMixState;
    const int32_t editIndex = m.editIndex;
    if (m.multiMixDone == 0) return 0;
    const int32_t currentWater = mainWindowState.currentWater;
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    const int last =
        m.lastWaterIndex < kMultiMixWaterCount ? m.lastWaterIndex : kMultiMixWaterCount - 1;
    if (last < 1) {
        mainWindowState.currentWater = currentWater;
        m.editIndex = editIndex;
        return 0;
    }
    const win::HWND owner = mainWindowState.mainWindow;
    for (int k = 0; k <= last; ++k) {
        ClearWaterCarryOver();
        StartFromValuesAsEntered(m.sourceWaters[k], sourceValuesAsEntered[k]);
        std::copy(std::begin(m.sourceWaters[k].values), std::end(m.sourceWaters[k].values),
                  currentAnalysis.values);
        ClearCalculatedCarbonate(m.sourceWaters[k].values);
        ClearCalculatedCarbonate(currentAnalysis.values);
        currentResidenceTime = m.residenceTime[k][ResidenceForm::kSeconds];
        m.editIndex = k;  // the water the calculation files its results under
        s.calcWaterAnalysis(0, owner);
        m.multiMixEntered[k] = 1;
        m.editIndex = k + 1;
        m.multiMixDone = 0;
    }
    NormaliseMultiMixWeights(m.weightPercent, last);
    double mean = 0.0;
    for (int k = 0; k <= last; ++k)
        mean += m.weightPercent[k] * m.residenceTime[k][ResidenceForm::kSeconds] / 100.0;
    multiMixBlend.meanResidenceSeconds = static_cast<float>(mean);
    s.mixWaters(1, owner);
    if (last > 0) {
        m.multiMixDone = static_cast<uint32_t>(last);
        s.updateMenuTexts();
    }
    mainWindowState.currentWater = currentWater;
    m.editIndex = editIndex;
    return 0;
}

int RecalcMultiMix() {
    return RecalcMultiMix(ProgramMultiMixRecalcServices());
}
