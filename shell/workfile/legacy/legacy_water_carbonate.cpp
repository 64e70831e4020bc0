// The carbonate of an older file's injection and formation waters: the figures
// each water's own calculation keeps (its CarbonateSnapshot and saved
// constants), which the waterflood mixing drivers blend. Older files keep none
// of them, so each entered water is calculated once more to find them; every
// other value keeps what the file holds. (The drivers of the surface water
// start from a calculation of their own after an open.)
#include <cstdint>
#include <vector>

#include "engine/carbonate/carbonate_records.h"
#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/records.h"
#include "engine/saturation/water_results_records.h"
#include "shell/records.h"
#include "shell/workfile/legacy/legacy_layout.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "shell/workfile/work_file.h"
#include "shell/workfile/work_file_codec.h"
#include "shell/workfile/work_file_layout.h"

namespace legacy {

namespace {

// The run-state record of the current layout, where the waters' carbonate is
// kept. Older versions stored none: the record keeps what the workspace held.
constexpr int kRunState = 31;

bool KeepsWaterCarbonate(int16_t version) {
    const Form* f = FormOf(kRunState, version);
    return f != nullptr && f->stored == Stored::kCurrent;
}

}  // namespace

void DeriveWaterCarbonate(int16_t version, win::HWND owner) {
    if (KeepsWaterCarbonate(version)) return;
    // What the record holds of the waters' carbonate is not theirs.
    CarbonateSnapshot.injection = WaterCarbonate{};
    CarbonateSnapshot.formation = WaterCarbonate{};
    const std::vector<uint8_t> held = workfile::EncodeWorkFile();
    const int32_t shown = mainWindowState.currentWater;
    const int16_t result = dialogResult;
    const uint16_t hold = balanceHold;
    const bool entered[] = {resultStatus.injectionEntered != 0, resultStatus.formationEntered != 0};
    for (const int32_t water : {WaterSelector::kInjection, WaterSelector::kFormation}) {
        if (!entered[water - WaterSelector::kInjection]) continue;
        mainWindowState.currentWater = water;
        balanceHold = 0;
        dialogResult = 1;
        CalcWaterAnalysis(0, owner);
    }
    const CarbonateSnapshotRecord found = CarbonateSnapshot;
    const SavedCarbonateConstants injection = savedCarbonateConstants[SavedWater::kInjection];
    const SavedCarbonateConstants formation = savedCarbonateConstants[SavedWater::kFormation];

    // The results, pages and settings stay those the file holds.
    (void)workfile::DecodeWorkFile(held.data(), held.size(), workfile::kRecordCount);
    CarbonateSnapshot.injection = found.injection;
    CarbonateSnapshot.formation = found.formation;
    savedCarbonateConstants[SavedWater::kInjection] = injection;
    savedCarbonateConstants[SavedWater::kFormation] = formation;
    mainWindowState.currentWater = shown;
    dialogResult = result;
    balanceHold = hold;
}

}  // namespace legacy
