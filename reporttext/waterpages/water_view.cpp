// The stored records of each water, gathered into one view.
#include "reporttext/waterpages/water_view.h"

#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "input/residence_records.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

void OneOfThree(int water, WaterView& v) {
    static WaterAnalysis* const analyses[] = {&surfaceWater, &injectionWater, &formationWater};
    static StoredResults* const results[] = {&WaterResults.surface, &WaterResults.injection,
                                             &WaterResults.formation};
    static const WaterDoseState* const doses[] = {&doseState.surface, &doseState.injection,
                                                  &doseState.formation};
    static const float* const rates[] = {corrosionRates.surface, corrosionRates.injection,
                                         corrosionRates.formation};
    const uint16_t entered[] = {resultStatus.surfaceEntered, resultStatus.injectionEntered,
                                resultStatus.formationEntered};
    v.analysis = analyses[water];
    v.results = results[water]->saturation;
    v.excess = results[water]->excess;
    v.dose = doses[water]->dose;
    v.corrosionRate = rates[water][kShownCorrosionRate];
    v.residenceSeconds = waterResidenceSeconds[water];
    v.enteredValues = entered[water] != 0 ? enteredValues[water] : nullptr;
}

// A water whose calculation came to figures no water holds shows none of
// them: its calculated figures, results, excesses, dose and rate are the
// engine's mark of a value not calculated ("N/A"), the stored water left as it
// is for correction. One set of marked copies per selector.
void MarkViewIfBeyond(WaterView& v) {
    if (v.analysis == nullptr || v.results == nullptr || v.excess == nullptr) return;
    if (!WaterBeyondAnyWater(v.analysis->values, v.results)) return;
    constexpr int kSelectors = 6;
    static WaterAnalysis analyses[kSelectors];
    static float results[kSelectors][kSaturationResultCount];
    static float excess[kSelectors][kMomentaryExcessCount];
    const int at = v.water >= 0 && v.water < kSelectors ? v.water : 0;
    analyses[at] = *v.analysis;
    MarkWaterAnalysisNotCalculated(analyses[at].values);
    MarkNotCalculated(results[at], kSaturationResultCount);
    MarkNotCalculated(excess[at], kMomentaryExcessCount);
    v.analysis = &analyses[at];
    v.results = results[at];
    v.excess = excess[at];
    v.dose = kNotCalculated;
    v.corrosionRate = kNotCalculated;
}

bool Fill(int water, WaterView& v) {
    v = WaterView{};
    v.water = water;
    switch (water) {
        case WaterSelector::kSurface:
        case WaterSelector::kSurfaceAgain:
            OneOfThree(0, v);
            return true;
        case WaterSelector::kInjection:
        case WaterSelector::kFormation:
            OneOfThree(water, v);
            return true;
        case WaterSelector::kMixed:
            v.blend = true;
            v.analysis = &mixedWater;
            v.results = multiMixBlend.blendResults;
            v.excess = multiMixBlend.blendExcess;
            v.dose = multiMixBlend.blendDose;
            v.corrosionRate = corrosionRates.mixed[kShownCorrosionRate];
            v.residenceSeconds = multiMixBlend.meanResidenceSeconds;
            return true;
        case WaterSelector::kMultiMixSource: {
            const int k = multiMixState.editIndex;
            if (k < 0 || k >= kMultiMixWaterCount) return false;
            v.analysis = &multiMixState.sourceWaters[k];
            v.results = WaterResults.multiMix[k].saturation;
            v.excess = WaterResults.multiMix[k].excess;
            v.dose = doseState.multiMix[k].dose;
            v.corrosionRate = corrosionRates.multiMix[k][kShownCorrosionRate];
            v.residenceSeconds = multiMixState.residenceTime[k][ResidenceForm::kSeconds];
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

bool ViewOfWater(int water, WaterView& v) {
    if (!Fill(water, v)) return false;
    MarkViewIfBeyond(v);
    return true;
}

bool StoredViewOfWater(int water, WaterView& v) {
    return Fill(water, v);
}
