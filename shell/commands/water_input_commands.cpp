// The water input commands: the form on one of the three stored waters, then
// the calculation of that water when the form stored it.
#include "shell/commands/water_input_commands.h"

#include <cstdlib>

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "input/waterform/water_form.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/resultpages/water_input_pages.h"
#include "shell/whatif/well_log_commands.h"

int WaterFormTemplate(int32_t water, int height) {
    const bool formation = water == WaterSelector::kFormation;
    if (height <= (formation ? 600 : 900)) return DialogId::kWaterForm640;
    if (height <= (formation ? 900 : 1000)) return DialogId::kWaterForm800;
    if (height <= 1100) return DialogId::kWaterForm1200;
    return DialogId::kWaterForm1440;
}

void RunWaterInput(win::HWND mainWindow, int32_t water) {
    mainWindowState.currentWater = water;
    dialogResult = 0;
    if (water != WaterSelector::kSurface) balanceHold = 0;

    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    const int height = std::abs(desktop.bottom - desktop.top);
    (void)win::DialogBoxParamA(mainWindowState.instance, WaterFormTemplate(water, height),
                               mainWindow, Wform, 0);
    if (dialogResult > 0) {
        CalcWaterAnalysis(1, mainWindow);
        RefreshOpenPages(water);
        ClearSummaryProfiles();
    }
    UpdateMenuTexts();
    (void)ShowWaterInputPages(mainWindow, water);
    UpdateMenuTexts();
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
    win::ShowWindow(mainWindow, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(mainWindow);
}

void SourceWaterInput(win::HWND mainWindow) {
    RunWaterInput(mainWindow, WaterSelector::kSurface);
}
void InjectionWaterInput(win::HWND mainWindow) {
    RunWaterInput(mainWindow, WaterSelector::kInjection);
}
void FormationWaterInput(win::HWND mainWindow) {
    RunWaterInput(mainWindow, WaterSelector::kFormation);
}
