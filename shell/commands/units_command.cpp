// Input Units from the main menu.
#include "shell/commands/units_command.h"

#include <cstring>

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/records.h"
#include "input/units/units_dialog.h"
#include "platform/window/window.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/whatif/well_log_commands.h"

namespace {

// The results of each entered water were filed in the units before (the
// amounts on its pages, its dissolved solids): each is calculated again, as
// the printed reports and a reopened file would, from the water converted into
// the units now chosen.
void RecalculateEnteredWaters(win::HWND mainWindow) {
    const WaterAnalysis working = currentAnalysis;
    const int32_t shown = mainWindowState.currentWater;
    const int16_t result = dialogResult;
    const uint16_t hold = balanceHold;
    const ResultStatus& r = resultStatus;
    const uint16_t entered[] = {r.surfaceEntered, r.injectionEntered, r.formationEntered};
    for (int32_t water = 0; water < 3; ++water) {
        if (entered[water] == 0) continue;
        mainWindowState.currentWater = water;
        if (water != WaterSelector::kSurface) balanceHold = 0;
        dialogResult = 1;
        CalcWaterAnalysis(0, mainWindow);
        balanceHold = hold;
    }
    mainWindowState.currentWater = shown;
    dialogResult = result;
    currentAnalysis = working;
}

}  // namespace

void InputUnits(win::HWND mainWindow) {
    const UnitCodes unitsBefore = unitCodes;
    const uint16_t modesBefore[] = {reportingMode, alkalinityMode};
    OpenUnitsDialog(mainWindow);
    currentAnalysis.values[AnalysisElement::kAlkalinityMode] = static_cast<float>(alkalinityMode);
    currentAnalysis.values[AnalysisElement::kReportingMode] = static_cast<float>(reportingMode);
    if (std::memcmp(unitsBefore.code, unitCodes.code, sizeof unitCodes.code) != 0 ||
        modesBefore[0] != reportingMode || modesBefore[1] != alkalinityMode) {
        // The well profiles' stations were computed in the old units: without
        // this the summaries' skip rule would hand them back.
        for (uint16_t& done : resultStatus.wellProfileDone) done = 0;
        ClearSummaryProfiles();
        RecalculateEnteredWaters(mainWindow);
        RefreshOpenPages(-1);
    }
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
