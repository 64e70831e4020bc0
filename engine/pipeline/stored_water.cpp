// Finding a stored water's records from its selector.
#include "engine/pipeline/stored_water.h"

#include "engine/records.h"
#include "input/residence_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

// The records the surface, injection and formation waters keep alike.
struct NamedWater {
    WaterAnalysis& analysis;
    uint16_t& entered;
    StoredResults& results;
    float* corrosion;
    WaterDoseState& dose;
    WaterCarbonate& carbonate;
    SavedCarbonateConstants& savedConstants;
};

void BindNamedWater(const NamedWater& n, StoredWater& w) {
    w.analysis = &n.analysis;
    w.entered16 = &n.entered;
    w.results = &n.results;
    w.corrosion = n.corrosion;
    w.doseDone16 = &n.dose.doseDone;
    w.limitStatus = &n.dose.limitStatus;
    w.dose = &n.dose.dose;
    w.carbonate = &n.carbonate;
    w.savedConstants = &n.savedConstants;
}

const NamedWater kSurface{surfaceWater,
                          resultStatus.surfaceEntered,
                          WaterResults.surface,
                          corrosionRates.surface,
                          doseState.surface,
                          CarbonateSnapshot.surface,
                          savedCarbonateConstants[SavedWater::kSurface]};
const NamedWater kInjection{injectionWater,
                            resultStatus.injectionEntered,
                            WaterResults.injection,
                            corrosionRates.injection,
                            doseState.injection,
                            CarbonateSnapshot.injection,
                            savedCarbonateConstants[SavedWater::kInjection]};
const NamedWater kFormation{formationWater,
                            resultStatus.formationEntered,
                            WaterResults.formation,
                            corrosionRates.formation,
                            doseState.formation,
                            CarbonateSnapshot.formation,
                            savedCarbonateConstants[SavedWater::kFormation]};

}  // namespace

bool FindStoredWater(int32_t selector, int32_t editIndex, StoredWater& out) {
    StoredWater w{};
    w.selector = selector;
    switch (selector) {
        case WaterSelector::kSurface:
            BindNamedWater(kSurface, w);
            w.isSurface = true;
            w.residenceSeconds = &waterResidenceSeconds[ResidenceWater::kSurface];
            w.copiesStoredValues = true;
            break;
        case WaterSelector::kSurfaceAgain:
            // The surface water as the caller put it into currentAnalysis (a paste);
            // it has no residence time of its own here, so the current one stands.
            BindNamedWater(kSurface, w);
            w.isSurface = true;
            break;
        case WaterSelector::kInjection:
        case WaterSelector::kFormation: {
            const bool injection = selector == WaterSelector::kInjection;
            BindNamedWater(injection ? kInjection : kFormation, w);
            w.residenceSeconds = &waterResidenceSeconds[injection ? ResidenceWater::kInjection
                                                                  : ResidenceWater::kFormation];
            w.copiesStoredValues = true;
            w.keepsTotalCarbonate = true;
            w.recomputesAtOwnPh = true;
            break;
        }
        case WaterSelector::kMixed:
            // The blend the caller put into currentAnalysis: only the spare rates; no
            // residence time of its own, so the current one stands.
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
