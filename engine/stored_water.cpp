// Finding a stored water's records from its selector.
#include "engine/stored_water.h"

#include "engine/records.h"
#include "input/residence_records.h"
#include "scenarios/multimix_records.h"
#include "shell/records.h"

namespace {

void BindSurface(StoredWater& w) {
    w.analysis = &surfaceWater;
    w.entered16 = &resultStatus.surfaceEntered;
    w.results = &WaterResults.surface;
    w.corrosion = corrosionRates.surface;
    w.doseDone16 = &doseState.surface.doseDone;
    w.limitStatus = &doseState.surface.limitStatus;
    w.dose = &doseState.surface.dose;
    w.carbonate = &CarbonateSnapshot.surface;
    w.savedConstants = &savedCarbonateConstants[SavedWater::kSurface];
    w.isSurface = true;
}

}  // namespace

bool FindStoredWater(int32_t selector, int32_t editIndex, StoredWater& out) {
    StoredWater w{};
    w.selector = selector;
    switch (selector) {
        case WaterSelector::kSurface:
            BindSurface(w);
            w.residenceSeconds = &waterResidenceSeconds[ResidenceWater::kSurface];
            w.copiesStoredValues = true;
            break;
        case WaterSelector::kSurfaceAgain:
            // The surface water as the caller put it into currentAnalysis (a paste);
            // it has no residence time of its own here, so the current one stands.
            BindSurface(w);
            break;
        case WaterSelector::kInjection:
            w.analysis = &injectionWater;
            w.entered16 = &resultStatus.injectionEntered;
            w.results = &WaterResults.injection;
            w.corrosion = corrosionRates.injection;
            w.doseDone16 = &doseState.injection.doseDone;
            w.limitStatus = &doseState.injection.limitStatus;
            w.dose = &doseState.injection.dose;
            w.carbonate = &CarbonateSnapshot.injection;
            w.savedConstants = &savedCarbonateConstants[SavedWater::kInjection];
            w.residenceSeconds = &waterResidenceSeconds[ResidenceWater::kInjection];
            w.copiesStoredValues = true;
            w.keepsTotalCarbonate = true;
            w.recomputesAtOwnPh = true;
            break;
        case WaterSelector::kFormation:
            w.analysis = &formationWater;
            w.entered16 = &resultStatus.formationEntered;
            w.results = &WaterResults.formation;
            w.corrosion = corrosionRates.formation;
            w.doseDone16 = &doseState.formation.doseDone;
            w.limitStatus = &doseState.formation.limitStatus;
            w.dose = &doseState.formation.dose;
            w.carbonate = &CarbonateSnapshot.formation;
            w.savedConstants = &savedCarbonateConstants[SavedWater::kFormation];
            w.residenceSeconds = &waterResidenceSeconds[ResidenceWater::kFormation];
            w.copiesStoredValues = true;
            w.keepsTotalCarbonate = true;
            w.recomputesAtOwnPh = true;
            break;
        case WaterSelector::kMixed:
            // The blend the caller put into currentAnalysis: only the spare rates.
            w.corrosion = corrosionRates.mixed;
            break;
        case WaterSelector::kMultiMixSource: {
            if (editIndex < 0 || editIndex >= kMultiMixWaterCount) return false;
            const int k = editIndex;
            w.analysis = &multiMixState.sourceWaters[k];
            w.entered32 = &multiMixState.multiMixEntered[k];
            w.results = &WaterResults.multiMix[k];
            w.corrosion = corrosionRates.multiMix[k];
            w.doseDone32 = &doseState.multiMix[k].doseDone;
            w.limitStatus = &doseState.multiMix[k].limitStatus;
            w.dose = &doseState.multiMix[k].dose;
            w.carbonate = &CarbonateSnapshot.multiMix[k];
            w.residenceSeconds = &multiMixState.residenceTime[k][ResidenceForm::kSeconds];
            w.copiesStoredValues = true;
            w.keepsTotalCarbonate = true;
            break;
        }
        default:
            return false;
    }
    out = w;
    return true;
}

bool IsEntered(const StoredWater& water) {
    if (water.entered16 != nullptr) return *water.entered16 != 0;
    if (water.entered32 != nullptr) return *water.entered32 != 0;
    return true;
}

void SetEntered(const StoredWater& water) {
    if (water.entered16 != nullptr) *water.entered16 = 1;
    if (water.entered32 != nullptr) *water.entered32 = 1;
}

bool IsDoseDone(const StoredWater& water) {
    if (water.doseDone16 != nullptr) return *water.doseDone16 != 0;
    if (water.doseDone32 != nullptr) return *water.doseDone32 != 0;
    return false;
}

void SetDoseDone(const StoredWater& water) {
    if (water.doseDone16 != nullptr) *water.doseDone16 = 1;
    if (water.doseDone32 != nullptr) *water.doseDone32 = 1;
}
