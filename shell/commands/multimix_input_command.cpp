// The multi-mix input command.
#include "shell/commands/multimix_input_command.h"

#include <cstring>

#include "engine/pipeline/calc_water_analysis.h"
#include "input/multimix/multimix_dialog.h"
#include "platform/window/window.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/commands/recalc_multimix.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/whatif/mixing_commands.h"

namespace {

constexpr int16_t kStored = 0;
constexpr int16_t kCancelled = -1;
constexpr int16_t kMixAtOnce = 2;

// Whether the input stored anything the pages show: a source water, its texts
// or its weight.
bool SourcesChanged(const MultiMixState& before, const MultiMixState& now) {
    return std::memcmp(before.sourceWaters, now.sourceWaters, sizeof now.sourceWaters) != 0 ||
           std::memcmp(before.descriptions, now.descriptions, sizeof now.descriptions) != 0 ||
           std::memcmp(before.weightPercent, now.weightPercent, sizeof now.weightPercent) != 0;
}

}  // namespace

bool ShowMultiMixSourcePages(win::HWND mainWindow) {
    const uint32_t* shown = displaySettings.mixedWindowsShown;
    const int32_t saved = mainWindowState.currentWater;
    mainWindowState.currentWater = WaterSelector::kMultiMixSource;
    const bool ok = ShowResultPages(mainWindow,
                                    {{PageClass::kMixedWater, shown[4], true, false},
                                     {PageClass::kMixedValues, shown[5], false, false}},
                                    PageCascade::kStandard, WaterSelector::kMultiMixSource);
    mainWindowState.currentWater = saved;
    return ok;
}

MultiMixInputCommandServices ProgramMultiMixInputCommandServices() {
    return MultiMixInputCommandServices{ShowMultiMixDialog, CalcWaterAnalysis, MultiMixCommand,
                                        ShowMultiMixSourcePages};
}

void MultiMixInputCommand(win::HWND mainWindow, const MultiMixInputCommandServices& s) {
    MultiMixState& m = multiMixState;
    multiMixDate = mainWindowState.reportDate;
    m.reopenMultiMix = 1;
    const MultiMixState before = m;
    // The dialog switches the target solvers on for its source waters (and reads
    // the switch to tell a stored water from a new one); the waters calculated
    // after the input are calculated as before it.
    const uint16_t solversBefore = resultStatus.runTargetSolvers;
    int16_t result = kStored;
    while (m.reopenMultiMix != 0) {
        const WaterAnalysis working = currentAnalysis;
        const MultiMixState opening = m;
        result = s.showDialog();
        if (result == kCancelled) {
            // The Cancel leaves the working record, and each water never
            // stored (the form showed it dated today), as they were.
            currentAnalysis = working;
            for (int k = 0; k < kMultiMixWaterCount; ++k)
                if (m.multiMixEntered[k] == 0 && opening.multiMixEntered[k] == 0)
                    m.sourceWaters[k] = opening.sourceWaters[k];
            // Waters stored before the Cancel (OK, NEXT) are shown as stored.
            resultStatus.runTargetSolvers = solversBefore;
            if (SourcesChanged(before, m)) RefreshOpenPages(-1);
            return;
        }
        if (result > 0) {
            // The water the dialog stored, calculated as a multi-mix source water.
            const int32_t saved = mainWindowState.currentWater;
            mainWindowState.currentWater = WaterSelector::kMultiMixSource;
            s.calcWaterAnalysis(3, mainWindow);
            mainWindowState.currentWater = saved;
            m.multiMixDone = 0;
            if (m.editIndex >= 0 && m.editIndex < kMultiMixWaterCount)
                m.multiMixEntered[m.editIndex] = 1;
        }
    }
    // Every water the dialog stored is calculated in full by now. A first
    // calculation leaves the dialog outcome set for the indicators page to act
    // on when it gains the focus; no page of these waters does, so the outcome
    // would linger and mark the next profile out of date the moment its pages
    // open.
    dialogOutcome = 0;
    if (m.lastWaterIndex >= 0 && m.lastWaterIndex < kMultiMixWaterCount)
        NormaliseMultiMixWeights(m.weightPercent, m.lastWaterIndex);
    if (m.lastWaterIndex > 0) UpdateMenuTexts();
    resultStatus.runTargetSolvers = solversBefore;
    if (m.multiMixEntered[0] != 0) (void)s.showPages(mainWindow);
    if (result == kMixAtOnce) s.mix(mainWindow);
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}

void MultiMixInputCommand(win::HWND mainWindow) {
    MultiMixInputCommand(mainWindow, ProgramMultiMixInputCommandServices());
}
