// Input Units from the main menu.
#include "shell/commands/units_command.h"

#include <cstring>

#include "engine/records.h"
#include "input/units/units_dialog.h"
#include "platform/window/window.h"
#include "shell/whatif/well_log_commands.h"

void InputUnits(win::HWND mainWindow) {
    const UnitCodes unitsBefore = unitCodes;
    const uint16_t modesBefore[] = {reportingMode, alkalinityMode};
    OpenUnitsDialog(mainWindow);
    if (std::memcmp(unitsBefore.code, unitCodes.code, sizeof unitCodes.code) != 0 ||
        modesBefore[0] != reportingMode || modesBefore[1] != alkalinityMode) {
        // The well profiles' stations were computed in the old units: without
        // this the summaries' skip rule would hand them back.
        for (uint16_t& done : resultStatus.wellProfileDone) done = 0;
        ClearSummaryProfiles();
    }
    currentAnalysis.values[AnalysisElement::kAlkalinityMode] = static_cast<float>(alkalinityMode);
    currentAnalysis.values[AnalysisElement::kReportingMode] = static_cast<float>(reportingMode);
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
