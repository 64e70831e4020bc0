// The calculations a change of units brings: the waters' results (the amounts
// on their pages, their dissolved solids) were filed in the units before.
#include "input/units/unit_change_recalc.h"

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/pipeline/pipeline_records.h"
#include "engine/records.h"
#include "graphs/window/graph_slot.h"
#include "input/multimix/multimix_calc.h"
#include "input/typed_values.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "pages/profiles/profile_recompute.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/commands/recalc_multimix.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/whatif/well_log_commands.h"

namespace {

namespace E = AnalysisElement;

// One entered water of the three forms from its values as entered (so that
// nothing its last calculation wrote, its hydrogen sulfide from the pH2S among
// them, is read as typed), as a reopened file would calculate it. The working
// record, the water shown and the dialog result are kept.
void RecalculateEnteredWater(int32_t water, win::HWND mainWindow) {
    const WaterAnalysis working = currentAnalysis;
    const int32_t shown = mainWindowState.currentWater;
    const int16_t result = dialogResult;
    const uint16_t hold = balanceHold;
    mainWindowState.currentWater = water;
    if (water != WaterSelector::kSurface) balanceHold = 0;
    if (WaterAnalysis* stored = FormWaterAnalysis(water); stored != nullptr)
        StartFromValuesAsEntered(*stored, enteredValues[water]);
    dialogResult = 1;
    CalcWaterAnalysis(0, mainWindow);
    balanceHold = hold;
    mainWindowState.currentWater = shown;
    dialogResult = result;
    currentAnalysis = working;
}

void RecalculateEnteredWaters(win::HWND mainWindow) {
    const ResultStatus& r = resultStatus;
    const uint16_t entered[] = {r.surfaceEntered, r.injectionEntered, r.formationEntered};
    for (int32_t water = 0; water < 3; ++water)
        if (entered[water] != 0) RecalculateEnteredWater(water, mainWindow);
}

}  // namespace

void RecalculateForNewUnits(win::HWND mainWindow) {
    // The well profiles' stations were computed in the old units: without this
    // the summaries' skip rule would hand them back.
    for (uint16_t& done : resultStatus.wellProfileDone) done = 0;
    // So were the profiles' points: an open profile page is computed again.
    ResultStatus& r = resultStatus;
    r.tempProfileDone = r.phProfileDone = r.pressureProfileDone = r.mixProfileDone = 0;
    // The multi-mix waters: with their blend when it is computed.
    const WaterAnalysis working = currentAnalysis;
    const float residence = currentResidenceTime;
    if (multiMixState.multiMixDone != 0)
        (void)RecalcMultiMix();
    else
        RecalcEnteredMultiMixWaters();
    currentAnalysis = working;
    currentResidenceTime = residence;
    RecalculateEnteredWaters(mainWindow);
    // Last: an open summary computes its profile from the surface water's new
    // calculation as it paints.
    ClearSummaryProfiles();
    RecomputeOpenProfiles();
    RefreshOpenPages(-1);
    // The open graph's axes and titles in the new units.
    RecalculateOpenGraph();
}

namespace {

// A stored water whose pH its calculation predicts (the form's -1).
bool PredictsItsPh(const WaterAnalysis& water) {
    return water.values[E::kCompanionPh] == -1.0f;
}

bool AnyWaterPredictsItsPh() {
    const ResultStatus& r = resultStatus;
    if ((r.surfaceEntered != 0 && PredictsItsPh(surfaceWater)) ||
        (r.injectionEntered != 0 && PredictsItsPh(injectionWater)) ||
        (r.formationEntered != 0 && PredictsItsPh(formationWater)))
        return true;
    const MultiMixState& m = multiMixState;
    for (int j = 0; j <= m.lastWaterIndex && j < kMultiMixWaterCount; ++j)
        if (m.multiMixEntered[j] != 0 && PredictsItsPh(m.sourceWaters[j])) return true;
    return false;
}

}  // namespace

void RecalculateForNewPhPrediction(win::HWND mainWindow) {
    if (AnyWaterPredictsItsPh()) RecalculateForNewUnits(mainWindow);
}

void RecalculateSurfaceWater(win::HWND mainWindow) {
    if (resultStatus.surfaceEntered != 0)
        RecalculateEnteredWater(WaterSelector::kSurface, mainWindow);
}
