// Storing the form's water: identification, values and temperature, and the
// results that depend on it marked stale.
#include "input/waterform/water_form_store.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "input/description_records.h"
#include "input/records.h"
#include "input/typed_values.h"
#include "input/units/analysis_ranges.h"
#include "input/waterform/form_checks.h"
#include "input/water_temperature_records.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

bool SameTexts(const SampleDescription& a, const SampleDescription& b) {
    for (size_t i = 0; i < std::size(a.text); ++i)
        if (std::strncmp(a.text[i], b.text[i], sizeof a.text[i]) != 0) return false;
    return true;
}

// A row made from a stored water of an older file: a pCO2 or pH2S past what
// the form takes is one the calculation found, so the row leaves it blank for
// the calculation to find again.
void LeaveFoundGasesBlank(float* row) {
    for (int e : {AnalysisElement::kPco2, AnalysisElement::kPH2S})
        if (!StoredValueRefusal(e, row[e], UserFieldUnits()).empty()) row[e] = 0.0f;
}

}  // namespace

void StoreIdentification(int32_t water) {
    WaterAnalysis* stored = FormWaterAnalysis(water);
    if (stored == nullptr) return;
    // The identification alone changed is a change of the workspace's data too.
    const WaterAnalysis& a = currentAnalysis;
    if (!SameTexts(waterDescriptions[water], currentDescription) ||
        stored->reportDate != a.reportDate || stored->sampleDate != a.sampleDate ||
        stored->sampleTime != a.sampleTime || stored->sampleNumber != a.sampleNumber)
        mainWindowState.dataChanged = 1;
    std::memcpy(&waterDescriptions[water], &currentDescription, sizeof currentDescription);
    stored->reportDate = currentAnalysis.reportDate;
    stored->sampleDate = currentAnalysis.sampleDate;
    stored->sampleTime = currentAnalysis.sampleTime;
    stored->sampleNumber = currentAnalysis.sampleNumber;
}

void ClearResultsOf(int32_t water) {
    ResultStatus& s = resultStatus;
    if (water == 0) {
        s.tempProfileDone = 0;
        s.phProfileDone = 0;
        s.gridDone = 0;
        s.pressureProfileDone = 0;
        s.gridDone2 = 0;
        s.wellProfileDone[0] = 0;
        s.wellProfileDone[1] = 0;
    } else {
        s.mixProfileDone = 0;
        for (uint16_t& done : s.mixGridDone) done = 0;
    }
}

void StoreEnteredWater(int32_t water) {
    WaterAnalysis* stored = FormWaterAnalysis(water);
    if (stored == nullptr) return;
    const float* v = currentAnalysis.values;
    const float temperature = v[AnalysisElement::kTemperature];
    waterTemperatures[water][0] = waterTemperatures[water][1] = temperature;
    entryTemperature = temperature;
    std::memcpy(stored->values, v, sizeof stored->values);
    // After Copy the working record holds the water as calculated: a value
    // its calculation could not settle (the engine's 1e37) is kept at the most
    // a water's record holds, as the calculation's own write-back keeps it.
    for (float& value : stored->values)
        value = std::clamp(value, -static_cast<float>(kLargestAmount),
                           static_cast<float>(kLargestAmount));
    std::memcpy(enteredValues[water], stored->values, sizeof enteredValues[water]);
    *FormWaterEnteredFlag(water) = 1;
    ClearResultsOf(water);
}

void ClearWaterResults(int32_t water) {
    StoredResults* results[3] = {&WaterResults.surface, &WaterResults.injection,
                                 &WaterResults.formation};
    if (IsFormWater(water)) *results[water] = StoredResults{};
}

void TakeStoredAsEnteredWhereMissing() {
    for (int32_t water = 0; water < kFormWaterCount; ++water)
        if (IsFormWaterEntered(water) && !HoldsEnteredValues(enteredValues[water])) {
            std::memcpy(enteredValues[water], FormWaterAnalysis(water)->values,
                        sizeof enteredValues[water]);
            LeaveFoundGasesBlank(enteredValues[water]);
        }
    // The multi-mix waters likewise, without the calculated carbonate.
    for (int k = 0; k < kMultiMixWaterCount; ++k) {
        float* entered = sourceValuesAsEntered[k];
        if (multiMixState.multiMixEntered[k] == 0 || HoldsEnteredValues(entered)) continue;
        std::memcpy(entered, multiMixState.sourceWaters[k].values, sizeof sourceValuesAsEntered[k]);
        ClearCalculatedCarbonate(entered);
        LeaveFoundGasesBlank(entered);
    }
}

void ClearRowsTheirWatersDisagreeWith() {
    for (int32_t water = 0; water < kFormWaterCount; ++water) {
        float* entered = enteredValues[water];
        const WaterAnalysis* stored = FormWaterAnalysis(water);
        if (!IsFormWaterEntered(water) || stored == nullptr || !HoldsEnteredValues(entered))
            continue;
        bool disagrees = DisagreeingTypedValue(stored->values, entered) >= 0;
        for (int e : kStoredConditions)
            disagrees = disagrees || (!StoredConditionKept(e, stored->values[e], entered) &&
                                      !StoredValueRefusal(e, stored->values[e], UserFieldUnits())
                                           .empty());
        if (disagrees) std::memset(entered, 0, sizeof enteredValues[water]);
    }
}
