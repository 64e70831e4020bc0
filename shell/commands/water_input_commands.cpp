// The water input commands: the form on one of the three stored waters, then
// the calculation of that water when the form stored it.
#include "shell/commands/water_input_commands.h"

#include <cstdlib>
#include <cstring>

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "graphs/window/graph_slot.h"
#include "input/description_records.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form.h"
#include "pages/profiles/profile_recompute.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/window.h"
#include "reporttext/waterpages/water_view.h"
#include "resources/dialog_ids.h"
#include "scenarios/frame/point_marks.h"
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

namespace {

// What the form can store of a water: its header and values, and its texts.
struct StoredWater {
    WaterAnalysis analysis{};
    SampleDescription texts{};
};

StoredWater StoredNow(int32_t water) {
    StoredWater s;
    if (const WaterAnalysis* a = FormWaterAnalysis(water)) s.analysis = *a;
    if (IsFormWater(water)) s.texts = waterDescriptions[water];
    return s;
}

// Tells the user when the water just calculated came to figures no water
// holds; its pages then show them as not calculated.
void TellIfNotCalculated(win::HWND owner, int32_t water) {
    WaterView view;
    if (!StoredViewOfWater(water, view)) return;
    const char* name = water == WaterSelector::kInjection        ? "The injection water"
                       : water == WaterSelector::kFormation      ? "The formation water"
                       : water == WaterSelector::kMultiMixSource ? "The source water"
                                                                 : "The water";
    (void)TellWaterIfNotCalculated(owner, name, view.analysis->values, view.results);
}

bool SameStored(const StoredWater& a, const StoredWater& b) {
    return std::memcmp(&a.analysis, &b.analysis, sizeof a.analysis) == 0 &&
           std::memcmp(&a.texts, &b.texts, sizeof a.texts) == 0;
}

}  // namespace

void RunWaterInput(win::HWND mainWindow, int32_t water) {
    mainWindowState.currentWater = water;
    dialogResult = 0;
    if (water != WaterSelector::kSurface) balanceHold = 0;

    win::RECT desktop{};
    win::GetWindowRect(win::GetDesktopWindow(), &desktop);
    const int height = std::abs(desktop.bottom - desktop.top);
    const StoredWater before = StoredNow(water);
    (void)win::DialogBoxParamA(mainWindowState.instance, WaterFormTemplate(water, height),
                               mainWindow, Wform, 0);
    const bool stored = dialogResult > 0;
    if (stored) {
        CalcWaterAnalysis(1, mainWindow);
        TellIfNotCalculated(mainWindow, water);
        RefreshOpenPages(water);
        ClearSummaryProfiles();
    } else if (!SameStored(before, StoredNow(water))) {
        // Stored without new values (the ID, a text, a date or the ID# alone,
        // or Copy before Cancel): every window showing the water shows it
        // as it now stands.
        RefreshOpenPages(dialogResult == 0 ? water : -1);
    }
    UpdateMenuTexts();
    (void)ShowWaterInputPages(mainWindow, water);
    // The open profile pages computed from the water stored show it, their
    // profiles computed again once the water's own pages have calculated it.
    if (stored) {
        RecomputeOpenProfiles();
        // Last, as a summary's profile lays out the graph records for its own.
        RecalculateOpenGraph();
    }
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
