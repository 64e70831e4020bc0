// The New command.
#include "shell/menu/new_workspace.h"

#include "engine/records.h"
#include "input/phcurve/alk_curve_records.h"
#include "input/records.h"
#include "input/waterform/water_form_records.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "shell/mainwindow/print_status.h"
#include "shell/commands/save_offer.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/startup/fresh_workspace.h"
#include "shell/whatif/well_log_commands.h"
#include "shell/workfile/work_file_records.h"

namespace {

using namespace MenuCommand;

void Grey(win::HMENU m, std::initializer_list<unsigned> ids) {
    for (unsigned id : ids) win::EnableMenuItem(m, id, win::MF_BYCOMMAND | win::MF_GRAYED);
}
void Untick(win::HMENU m, std::initializer_list<unsigned> ids) {
    for (unsigned id : ids) win::CheckMenuItem(m, id, win::MF_BYCOMMAND | win::MF_UNCHECKED);
}

// What New leaves on the menu beyond the rules: Save File waits for a save or a
// load to be enabled again.
void EmptyWorkspaceMenu(win::HMENU m) {
    Grey(m, {kSaveFile, kSaveFileAs});
    Untick(m, {kInputPhCurve, kSourceWaterAnalysis});
    Grey(m, {kVaryTemperature, kGraphVsTemperature, kVaryPh, kGraphVsPh, kThreeDProfile,
             kPrintSurface, kPrintProduced});
    Untick(m, {kInjectionWaterAnalysis, kFormationWaterAnalysis});
    Grey(m,
         {kThreeDTemperaturePh, kThreeDTemperaturePercent, kThreeDPhPercent, kTwoDGraphVsPercent});
    win::ModifyMenu(m, kMix, win::MF_BYCOMMAND | win::MF_STRING | win::MF_GRAYED, kMix, " &Mix");
    Grey(m, {kPrintProduced, kPrintAllAvailable, kPrintOnePageSummary});
    Untick(m, {kVaryTemperature, kGraphVsTemperature, kVaryPh, kGraphVsPh, kThreeDProfile,
               kInputPhCurve, kTwoDGraphVsPercent, kThreeDTemperaturePh, kThreeDTemperaturePercent,
               kThreeDPhPercent});
}

void ClearEnteredAndDone(ResultStatus& r) {
    r.formationEntered = r.surfaceEntered = r.injectionEntered = 0;
    r.mixProfileDone = r.phProfileDone = r.gridDone = 0;
    for (uint16_t& done : r.mixGridDone) done = 0;
    r.tempProfileDone = r.alkCurveEntered = r.pressureProfileDone = r.gridDone2 = 0;
}

}  // namespace

void NewWorkspace(win::HWND mainWindow) {
    if (!OfferToSaveWork(mainWindow)) return;
    mainWindowState.dataChanged = 0;
    ForgetPrintedDocument(mainWindow);
    // Every record of the work before goes: the workspace is a fresh start's,
    // with the settings the user chose since read again from their files.
    StartFreshWorkspace();
    UpdateMenuTexts();
    if (mainWindowState.mainMenu != nullptr) EmptyWorkspaceMenu(mainWindowState.mainMenu);
    ClearEnteredAndDone(resultStatus);
    ClosePagesWithoutResults();
    ClearSummaryProfiles();
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
