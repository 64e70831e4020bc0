// Finding a stored water's records from its selector.
#include "engine/pipeline/stored_water.h"

#include "engine/records.h"
#include "input/residence_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

namespace {

// The surface, injection and formation waters keep their records alike: each
// per-water record has a member of the water's name, which `pick` chooses.
template <class Pick>
void BindNamedWater(StoredWater& w, WaterAnalysis& analysis, uint16_t& entered, int saved,
                    Pick pick) {
    w.analysis = &analysis;
    w.entered16 = &entered;
    w.results = &pick(WaterResults);
    w.corrosion = pick(corrosionRates);
    WaterDoseState& dose = pick(doseState);
    w.doseDone16 = &dose.doseDone;
    w.limitStatus = &dose.limitStatus;
    w.dose = &dose.dose;
    w.carbonate = &pick(CarbonateSnapshot);
    w.savedConstants = &savedCarbonateConstants[saved];
}

void BindSurface(StoredWater& w) {
    BindNamedWater(
        w, surfaceWater, resultStatus.surfaceEntered, SavedWater::kSurface,
        [](auto& record) -> auto& { return record.surface; });
}

void BindInjection(StoredWater& w) {
    BindNamedWater(
        w, injectionWater, resultStatus.injectionEntered, SavedWater::kInjection,
        [](auto& record) -> auto& { return record.injection; });
}

void BindFormation(StoredWater& w) {
    BindNamedWater(
        w, formationWater, resultStatus.formationEntered, SavedWater::kFormation,
        [](auto& record) -> auto& { return record.formation; });
}

// A flag kept as 16 bits by the named waters and as 32 by the multi-mix ones.
template <class Narrow, class Wide>
bool FlagIsSet(const Narrow* narrow, const Wide* wide, bool absent) {
    if (narrow != nullptr) return *narrow != 0;
    if (wide != nullptr) return *wide != 0;
    return absent;
}

template <class Narrow, class Wide>
void RaiseFlag(Narrow* narrow, Wide* wide) {
    if (narrow != nullptr) *narrow = 1;
    if (wide != nullptr) *wide = 1;
}

}  // namespace

bool FindStoredWater(int32_t selector, int32_t editIndex, StoredWater& out) {
    StoredWater w{};
    w.selector = selector;
    switch (selector) {
        case WaterSelector::kSurface:
            BindSurface(w);
            w.isSurface = true;
            w.residenceSeconds = &waterResidenceSeconds[ResidenceWater::kSurface];
            w.copiesStoredValues = true;
            break;
        case WaterSelector::kSurfaceAgain:
            // The surface water as the caller put it into currentAnalysis (a paste);
            // it has no residence time of its own here, so the current one stands.
            BindSurface(w);
            w.isSurface = true;
            break;
        case WaterSelector::kInjection:
        case WaterSelector::kFormation: {
            const bool injection = selector == WaterSelector::kInjection;
            if (injection)
                BindInjection(w);
            else
                BindFormation(w);
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
    return FlagIsSet(water.entered16, water.entered32, true);
}

void SetEntered(const StoredWater& water) {
    RaiseFlag(water.entered16, water.entered32);
}

bool IsDoseDone(const StoredWater& water) {
    return FlagIsSet(water.doseDone16, water.doseDone32, false);
}

void SetDoseDone(const StoredWater& water) {
    RaiseFlag(water.doseDone16, water.doseDone32);
}
