// Input Units from the main menu.
#include "shell/commands/units_command.h"

#include "engine/records.h"
#include "input/units/units_dialog.h"
#include "platform/window/window.h"

void InputUnits(win::HWND mainWindow) {
    // A change of units calculates the entered waters again (OpenUnitsDialog).
    OpenUnitsDialog(mainWindow);
    currentAnalysis.values[AnalysisElement::kAlkalinityMode] = static_cast<float>(alkalinityMode);
    currentAnalysis.values[AnalysisElement::kReportingMode] = static_cast<float>(reportingMode);
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
