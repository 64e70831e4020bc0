// The mixing commands of the WHAT-IF menu.
#include "shell/whatif/mixing_commands.h"

#include <cstring>

#include "engine/records.h"
#include "graphs/records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/graph_slot.h"
#include "input/mixzone/cycle_dialog.h"
#include "input/records.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/commands/recalc_multimix.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/whatif/command_drivers.h"
#include "shell/whatif/graph_choice_steps.h"
#include "shell/whatif/scenario_views.h"

namespace {

bool BothWaters() {
    return resultStatus.injectionEntered != 0 && resultStatus.formationEntered != 0;
}

bool HaveBothWaters(win::HWND mainWindow, const char* text) {
    if (BothWaters()) return true;
    win::MessageBox(mainWindow, text, "WARNING", win::MB_ICONINFORMATION);
    return false;
}

void Repaint(win::HWND mainWindow) {
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}

uint32_t Mixed(int i) {
    return displaySettings.mixedWindowsShown[i];
}

void ThreeDMixing(win::HWND mainWindow, uint16_t kind) {
    gridSource = GridSource::kMixing;
    if (!HaveBothWaters(mainWindow, kNoWaterfloodWaters3DText)) return;
    AskForGraphIfNone(mainWindow);
    if (Drivers().calcMixGrid(kind) == 0) CurrentScenarioViews().showGraphWindow(mainWindow);
    UpdateMenuTexts();
    Repaint(mainWindow);
}

}  // namespace

void MixWatersCommand(win::HWND mainWindow) {
    if (!HaveBothWaters(mainWindow, kNoWaterfloodWatersText)) return;
    Drivers().calcMixingProfile(mainWindow);
    UpdateMenuTexts();
    if (resultStatus.mixProfileDone != 0)
        (void)ShowResultPages(mainWindow,
                              {{PageClass::kCycledWater, Mixed(6), false, true},
                               {PageClass::kCycledValues, Mixed(7), false, true}},
                              PageCascade::kStandard, WaterSelector::kMixed);
    Repaint(mainWindow);
}

void TwoDGraphVsPercent(win::HWND mainWindow) {
    if (!HaveBothWaters(mainWindow, kNoWaterfloodWatersText)) return;
    graphProfileKind = GraphProfileKind::kMixingRatio;
    Drivers().calcMixingProfile(mainWindow);
    UpdateMenuTexts();
    if (resultStatus.mixProfileDone == 0) {
        win::MessageBox(mainWindow, kMixFirstText, "WARNING", win::MB_ICONINFORMATION);
        return;
    }
    RebuildMixingAxis();
    ChooseGraphBeforeTwoD(mainWindow);
    CurrentScenarioViews().showTwoDGraph(mainWindow);
    Repaint(mainWindow);
}

void ThreeDTemperaturePh(win::HWND mainWindow) {
    ThreeDMixing(mainWindow, MixGridCode::kPhByTemperature);
}
void ThreeDTemperaturePercent(win::HWND mainWindow) {
    ThreeDMixing(mainWindow, MixGridCode::kRatio);
}
void ThreeDPhPercent(win::HWND mainWindow) {
    ThreeDMixing(mainWindow, MixGridCode::kPhByPercent);
}

namespace {

// The settings the mixing zone dialog changes, to tell whether it changed any.
struct MixZoneValues {
    WhatIfSettings whatIf;
    GraphRangeSettings ranges;
    MixingZoneSettings zone;
    PhControlSettings phControl;
};

MixZoneValues MixZoneNow() {
    MixZoneValues v{};
    v.whatIf = whatIfSettings;
    v.ranges = graphRangeSettings;
    v.zone = mixingZoneSettings;
    v.phControl = phControlSettings;
    return v;
}

bool SameMixZone(const MixZoneValues& a, const MixZoneValues& b) {
    return std::memcmp(&a.whatIf, &b.whatIf, sizeof a.whatIf) == 0 &&
           std::memcmp(&a.ranges, &b.ranges, sizeof a.ranges) == 0 &&
           std::memcmp(&a.zone, &b.zone, sizeof a.zone) == 0 &&
           std::memcmp(&a.phControl, &b.phControl, sizeof a.phControl) == 0;
}

}  // namespace

void SelectInjectionParameters(win::HWND mainWindow) {
    const MixZoneValues before = MixZoneNow();
    OpenMixZoneDialog(mainWindow);
    // The dialog computed the mixing results its changes touch again; the open
    // graph shows them, and its ranges, as the graph opened now shows them.
    if (!SameMixZone(before, MixZoneNow())) RecalculateOpenGraph();
    UpdateMenuTexts();
    Repaint(mainWindow);
}

void MultiMixCommand(win::HWND mainWindow) {
    MultiMixState& m = multiMixState;
    multiMixDate = mainWindowState.reportDate;
    if (m.lastWaterIndex < 1) {
        win::MessageBox(mainWindow, kTwoWatersText, "WARNING", win::MB_ICONINFORMATION);
        return;
    }
    NormaliseMultiMixWeights(m.weightPercent, m.lastWaterIndex);
    Drivers().mixWaters(1, mainWindow);
    if (m.lastWaterIndex > 0) {
        m.multiMixDone = static_cast<uint32_t>(m.lastWaterIndex);
        UpdateMenuTexts();
    }
    if (m.multiMixDone != 0)
        (void)ShowResultPages(mainWindow,
                              {{PageClass::kMixedWater, Mixed(8), false, true},
                               {PageClass::kMixedValues, Mixed(9), false, true},
                               {PageClass::kMixedValuesOut, Mixed(11), false, true},
                               {PageClass::kMixedWaterOut, Mixed(10), false, true}},
                              PageCascade::kStandard, WaterSelector::kMixed);
    Repaint(mainWindow);
}
