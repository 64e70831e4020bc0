// Loading and recomputing the water of a one-water page.
#include "pages/onewater/one_water_pages.h"

#include <cstring>

#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "input/typed_values.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "pages/frame/page_classes.h"
#include "pages/frame/page_state_records.h"
#include "pages/records.h"
#include "platform/system/system.h"
#include "reporttext/waterpages/water_view.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

PageCalculator calculator = CalcWaterAnalysis;

// Whether the dose of the water shown is current: its own flag (the blend:
// the blend being current).
bool DoseDone(int water) {
    switch (water) {
        case WaterSelector::kInjection:
            return doseState.injection.doseDone != 0;
        case WaterSelector::kFormation:
            return doseState.formation.doseDone != 0;
        case WaterSelector::kMixed:
            return multiMixState.multiMixDone != 0;
        case WaterSelector::kMultiMixSource: {
            const int k = multiMixState.editIndex;
            return k < 0 || k >= kMultiMixWaterCount || doseState.multiMix[k].doseDone != 0;
        }
        default:
            return doseState.surface.doseDone != 0;
    }
}

// Calculates the water shown, whatever the current water is meanwhile; a
// water of the forms starts from its values as entered, as every other
// calculation of it does.
void CalculateShownWater(int water) {
    const int32_t saved = mainWindowState.currentWater;
    mainWindowState.currentWater = water;
    if (WaterAnalysis* stored = FormWaterAnalysis(water); stored != nullptr)
        StartFromValuesAsEntered(*stored, enteredValues[water]);
    calculator(0, mainWindowState.mainWindow);
    mainWindowState.currentWater = saved;
}

int ShownWater(PageClass page) {
    return pageStates[PageIndex(page)].shownWater;
}

// The blend's mean residence time: the source waters' times weighted by
// their shares of the blend.
float MeanResidenceSeconds() {
    double sum = 0.0;
    const int last = multiMixState.lastWaterIndex;
    for (int k = 0; k <= last && k < kMultiMixWaterCount; ++k)
        sum += multiMixState.residenceTime[k][ResidenceForm::kSeconds] *
               static_cast<double>(multiMixState.weightPercent[k]) / 100.0;
    return static_cast<float>(sum);
}

int ClockTime() {
    win::SYSTEMTIME now;
    win::GetLocalTime(&now);
    return now.wHour * 100 + now.wMinute;
}

}  // namespace

void RecomputeShownWaterWhenStale(int water) {
    if (resultStatus.productSelected != 0 && !DoseDone(water)) CalculateShownWater(water);
}

void InstallPageCalculator(PageCalculator c) {
    calculator = c != nullptr ? c : CalcWaterAnalysis;
}

bool LoadShownWater(int water, bool withHeader) {
    // The stored records, not the page's view: a water shown as not
    // calculated is loaded as it was stored, so that nothing the page marks
    // reaches the engine, the working analysis or a file saved after.
    WaterView view;
    if (!StoredViewOfWater(water, view)) return false;
    if (withHeader)
        currentAnalysis = *view.analysis;
    else
        std::memcpy(currentAnalysis.values, view.analysis->values, sizeof currentAnalysis.values);
    std::memcpy(SaturationResults, view.results, sizeof SaturationResults);
    std::memcpy(MomentaryExcess, view.excess, sizeof MomentaryExcess);
    currentResidenceTime = view.residenceSeconds;
    residenceTimeAtSelect = view.residenceSeconds;
    return true;
}

void LoadAndRecomputeChemistry(win::HWND) {
    const int water = ShownWater(PageClass::kMuWater);
    if (LoadShownWater(water, true)) RecomputeShownWaterWhenStale(water);
}

void LoadAndRecomputeIndicators(win::HWND) {
    const int water = ShownWater(PageClass::kMuValues);
    if (LoadShownWater(water, true)) RecomputeShownWaterWhenStale(water);
}

void RecomputeIndicatorsOnFocus(win::HWND) {
    if (resultStatus.productChosen == 0 && dialogOutcome == 0) return;
    const int water = ShownWater(PageClass::kMuValues);
    if (LoadShownWater(water, true)) CalculateShownWater(water);
    dialogOutcome = 0;
}

void LoadAndRecomputeBlendChemistry(win::HWND) {
    LoadShownWater(WaterSelector::kMixed, false);
    RecomputeShownWaterWhenStale(WaterSelector::kMixed);
}

void StampBlendSampleTime(win::HWND) {
    if (mixedWater.sampleTime != 0) return;
    int32_t& clock = pageStates[PageIndex(PageClass::kMixedValuesOut)].defaultSampleTime;
    if (clock == 0) clock = ClockTime();
    mixedWater.sampleTime = static_cast<int16_t>(clock);
}

void CreateBlendIndicators(win::HWND) {
    pageStates[PageIndex(PageClass::kMixedValuesOut)].defaultSampleTime = ClockTime();
    LoadShownWater(WaterSelector::kMixed, true);
    RecomputeShownWaterWhenStale(WaterSelector::kMixed);
}

void LoadAndRecomputeBlendIndicators(win::HWND) {
    if (mixedWater.reportDate == 0) mixedWater.reportDate = mainWindowState.reportDate;
    if (mixedWater.sampleDate == 0) mixedWater.sampleDate = mainWindowState.reportDate;
    StampBlendSampleTime(nullptr);
    LoadShownWater(WaterSelector::kMixed, true);
    if (resultStatus.productSelected != 0 && multiMixState.multiMixDone == 0) {
        multiMixBlend.meanResidenceSeconds = MeanResidenceSeconds();
        currentResidenceTime = residenceTimeAtSelect = multiMixBlend.meanResidenceSeconds;
        CalculateShownWater(WaterSelector::kMixed);
    }
}
