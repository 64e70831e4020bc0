// The single-water what-if commands on the source water.
#include "shell/whatif/whatif_commands.h"

#include "engine/records.h"
#include "graphs/records.h"
#include "graphs/threed/threed_graph_records.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "scenarios/frame/driver_frame.h"
#include "scenarios/frame/whatif_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/whatif/command_drivers.h"
#include "shell/whatif/graph_choice_steps.h"
#include "shell/whatif/scenario_views.h"
#include "shell/whatif/whatif_command_records.h"

namespace {

bool HaveSourceWater(win::HWND mainWindow) {
    if (resultStatus.surfaceEntered != 0) return true;
    win::MessageBox(mainWindow, kNoSourceWaterText, "WARNING", win::MB_ICONINFORMATION);
    return false;
}

// A surface water whose sulfide outweighs its alkalinity (kept from a file
// for correction) is told, and no profile or grid of it is shown: those kept
// are another water's.
bool SourWaterRefused(win::HWND mainWindow) {
    return RefuseSourWater(mainWindow);
}

void Repaint(win::HWND mainWindow) {
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}

uint32_t Surface(int i) {
    return displaySettings.surfaceWindowsShown[i];
}

// The profile when it is not current yet; the flag set after it.
void EnsureProfile(uint16_t& done, void (*driver)(win::HWND), win::HWND mainWindow) {
    if (done != 0) return;
    driver(mainWindow);
    done = 1;
    UpdateMenuTexts();
}

}  // namespace

void VaryTemperature(win::HWND mainWindow) {
    if (!HaveSourceWater(mainWindow) || SourWaterRefused(mainWindow)) return;
    if (resultStatus.tempProfileDone == 0) {
        Drivers().calcTempProfile(mainWindow);
        resultStatus.tempProfileDone = 1;
    }
    (void)ShowResultPages(mainWindow,
                          {{PageClass::kMuWater, Surface(2), false, true},
                           {PageClass::kMuValues, Surface(3), false, true},
                           {PageClass::kTempWater, Surface(4), false, true},
                           {PageClass::kTempValues, Surface(5), false, true}},
                          PageCascade::kStandard, WaterSelector::kSurface);
    UpdateMenuTexts();
    Repaint(mainWindow);
}

void VaryPh(win::HWND mainWindow) {
    if (!HaveSourceWater(mainWindow) || SourWaterRefused(mainWindow)) return;
    if (resultStatus.phProfileDone == 0) Drivers().calcpHProfile(mainWindow);
    if (resultStatus.phProfileDone != 0)
        (void)ShowResultPages(mainWindow,
                              {{PageClass::kMuWater, Surface(6)},
                               {PageClass::kMuValues, Surface(7)},
                               {PageClass::kPhWater, Surface(8)},
                               {PageClass::kPhValues, Surface(9)}},
                              PageCascade::kStandard, WaterSelector::kSurface);
    UpdateMenuTexts();
    Repaint(mainWindow);
}

// Its pages go by the Vary pH switches.
void VaryPressure(win::HWND mainWindow) {
    if (SourWaterRefused(mainWindow)) return;
    Drivers().calcPressProfile(mainWindow);
    if (resultStatus.pressureProfileDone != 0)
        (void)ShowResultPages(mainWindow,
                              {{PageClass::kMuWater, Surface(6)},
                               {PageClass::kMuValues, Surface(7)},
                               {PageClass::kPressWater, Surface(8)},
                               {PageClass::kPressValues, Surface(9)}},
                              PageCascade::kPressure, WaterSelector::kSurface);
    UpdateMenuTexts();
    Repaint(mainWindow);
}

void GraphVsTemperature(win::HWND mainWindow) {
    if (SourWaterRefused(mainWindow)) return;
    EnsureProfile(resultStatus.tempProfileDone, Drivers().calcTempProfile, mainWindow);
    graphProfileKind = GraphProfileKind::kTemperature;
    CurrentScenarioViews().showTwoDGraph(mainWindow);
    Repaint(mainWindow);
}

void GraphVsPh(win::HWND mainWindow) {
    if (SourWaterRefused(mainWindow)) return;
    EnsureProfile(resultStatus.phProfileDone, Drivers().calcpHProfile, mainWindow);
    graphProfileKind = GraphProfileKind::kPhOrPco2;
    CurrentScenarioViews().showTwoDGraph(mainWindow);
    Repaint(mainWindow);
}

void GraphVsPressure(win::HWND mainWindow) {
    if (SourWaterRefused(mainWindow)) return;
    Drivers().calcPressProfile(mainWindow);
    graphProfileKind = GraphProfileKind::kPressure;
    CurrentScenarioViews().showTwoDGraph(mainWindow);
    UpdateMenuTexts();
}

void ThreeDProfile(win::HWND mainWindow) {
    if (!HaveSourceWater(mainWindow) || SourWaterRefused(mainWindow)) return;
    gridSource = GridSource::kSingleWater;
    whatIfResults.grid.gridKind = GridKind::kPhTemperature;
    resultStatus.gridDone2 = 0;
    AskForGraphIfNone(mainWindow);
    RunGridForChosenCodes(Drivers().calcGridpHTemp);
    CurrentScenarioViews().showGraphWindow(mainWindow);
    resultStatus.gridDone = 1;
    resultStatus.gridDone2 = 0;
    UpdateMenuTexts();
    Repaint(mainWindow);
}

void ThreeDPressureTemperature(win::HWND mainWindow) {
    if (SourWaterRefused(mainWindow)) return;
    resultStatus.gridDone = 0;
    whatIfResults.grid.gridKind = GridKind::kPressureTemperature;
    gridSource = GridSource::kPressureTemperature;
    AskForGraphIfNone(mainWindow);
    RunGridForChosenCodes(Drivers().calcGridPressTemp);
    gridSource = GridSource::kPressureTemperature;
    whatIfResults.grid.gridKind = GridKind::kPressureTemperature;
    resultStatus.gridDone = 0;
    CurrentScenarioViews().showGraphWindow(mainWindow);
    UpdateMenuTexts();
}
