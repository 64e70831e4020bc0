// The main menu's state from the result flags.
#include "shell/menu/menu_texts.h"

#include "engine/records.h"
#include "input/records.h"
#include "platform/window/menu.h"
#include "resources/resource_ids.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/records.h"

namespace {

using namespace MenuCommand;

// The item id of the hidden 48-station well-log graph command, which no item
// carries: enabling it changes nothing.
constexpr unsigned kWellLogSummaryGraph = 1252u;

void Enable(win::HMENU m, unsigned id, bool on) {
    win::EnableMenuItem(m, id, win::MF_BYCOMMAND | (on ? win::MF_ENABLED : win::MF_GRAYED));
}
void Tick(win::HMENU m, unsigned id, bool on) {
    win::CheckMenuItem(m, id, win::MF_BYCOMMAND | (on ? win::MF_CHECKED : win::MF_UNCHECKED));
}
void Text(win::HMENU m, unsigned id, const char* text, bool ticked = false) {
    win::ModifyMenu(m, id, win::MF_BYCOMMAND | win::MF_STRING | (ticked ? win::MF_CHECKED : 0), id,
                    text);
}

void SurfaceItems(win::HMENU m, const MenuFlags& f) {
    for (unsigned id : {kThreeDPressureTemperature, kVaryPressure, kGraphVsPressure})
        Enable(m, id, f.surface);
    Tick(m, kVaryPressure, f.pressureProfile);
    Tick(m, kGraphVsPressure, f.pressureProfile);
    Tick(m, kThreeDPressureTemperature, f.grid2);
    for (unsigned id : {unsigned{kWellLogTable}, unsigned{kWellLogGraph}, kWellLogSummaryGraph})
        Enable(m, id, f.surface);
    Tick(m, kWellLogTable, f.wellLogTable);
    Tick(m, kWellLogGraph, f.wellLogTable);
    Enable(m, kOnePageSummary, f.surface);
    Tick(m, kOnePageSummary, f.onePage);
    // The print has nothing to print until the summary has been computed.
    Enable(m, kPrintOnePageSummary, f.onePage);
}

void MultiMixItems(win::HMENU m, const MenuFlags& f) {
    Tick(m, kMultiMixWaterAnalysis, f.multiMixWater0);
    Enable(m, kMultiMixMix, (f.multiMixWater0 && f.multiMixWater1) || f.lastWaterIndex >= 2);
    if (f.lastWaterIndex < 2) Tick(m, kMultiMixMix, false);
    Tick(m, kMultiMixMix, f.multiMixDone >= 1);
}

void MixItems(win::HMENU m, const MenuFlags& f) {
    if (f.mixProfile) {
        Enable(m, kPrintProduced, true);
        Enable(m, kTwoDGraphVsPercent, true);
        Tick(m, kTwoDGraphVsPercent, true);
        Text(m, kMix, " &Display Mix", true);
    } else {
        Text(m, kMix, " &Mix");
        Tick(m, kTwoDGraphVsPercent, false);
        Enable(m, kTwoDGraphVsPercent, false);
        Enable(m, kPrintProduced, false);
    }
    const bool both = f.formation && f.injection;
    if (!both) Tick(m, kMix, false);
    for (unsigned id : {kMix, kThreeDTemperaturePh, kThreeDTemperaturePercent, kThreeDPhPercent,
                        kTwoDGraphVsPercent})
        Enable(m, id, both);
}

void ThreeDMixTicks(win::HMENU m, const MenuFlags& f) {
    const bool both = f.formation && f.injection;
    unsigned ticked = 0;
    if (both && f.mixGrid[2])
        ticked = kThreeDTemperaturePh;
    else if (both && f.mixGrid[1])
        ticked = kThreeDTemperaturePercent;
    else if (both && f.mixGrid[0])
        ticked = kThreeDPhPercent;
    for (unsigned id : {kThreeDTemperaturePh, kThreeDTemperaturePercent, kThreeDPhPercent})
        Tick(m, id, id == ticked);
}

}  // namespace

MenuFlags CurrentMenuFlags() {
    const ResultStatus& r = resultStatus;
    MenuFlags f;
    f.surface = r.surfaceEntered != 0;
    f.injection = r.injectionEntered != 0;
    f.formation = r.formationEntered != 0;
    f.mixProfile = r.mixProfileDone != 0;
    f.multiMixDone = multiMixState.multiMixDone;
    f.multiMixWater0 = multiMixState.multiMixEntered[0] == 1;
    f.multiMixWater1 = multiMixState.multiMixEntered[1] == 1;
    for (uint32_t entered : multiMixState.multiMixEntered) f.multiMixWaters |= entered != 0;
    f.lastWaterIndex = multiMixState.lastWaterIndex;
    f.tempProfile = r.tempProfileDone != 0;
    f.phProfile = r.phProfileDone != 0;
    f.grid = r.gridDone != 0;
    f.pressureProfile = r.pressureProfileDone != 0;
    f.grid2 = r.gridDone2 != 0;
    f.alkCurve = r.alkCurveEntered != 0;
    f.onePage = onePageDataFlag != 0;
    f.wellLogTable = wellLogTableFlag != 0;
    f.varyPco2 = whatIfOptions.varyPco2 != 0;
    for (int g = 0; g < 3; ++g) f.mixGrid[g] = r.mixGridDone[g] != 0;
    return f;
}

void SetPlotVariableTexts(win::HMENU m, bool varyPco2) {
    Text(m, kVaryPh, varyPco2 ? " Vary &pCO2" : " Vary &pH");
    Text(m, kGraphVsPh, varyPco2 ? " Gr&aph vs pCO2" : " Gr&aph vs pH");
    Text(m, kThreeDTemperaturePh, varyPco2 ? " 3D T&emperature-pCO2" : " 3D T&emperature-pH");
    Text(m, kThreeDPhPercent, varyPco2 ? " 3D p&CO2-%" : " 3D p&H-%");
}

bool HoldsWork(const MenuFlags& f) {
    return f.surface || f.injection || f.formation || f.multiMixDone != 0 || f.multiMixWaters;
}

void ApplyMenuRules(win::HMENU m, const MenuFlags& f) {
    const bool anyWater = f.surface || f.injection || f.formation || f.multiMixDone != 0;
    // Whatever the user may edit, the user may save: the multi-mix waters
    // before their blend too.
    Enable(m, kSaveFileAs, HoldsWork(f) || f.multiMixWater0);  // 1
    SetPlotVariableTexts(m, f.varyPco2);                   // 2
    SurfaceItems(m, f);                                    // 3 to 5
    MultiMixItems(m, f);                                   // 6
    Enable(m, kSaveFileAs, HoldsWork(f));                  // 7
    Enable(m, kPrintAllAvailable, anyWater);
    Tick(m, kInputPhCurve, f.alkCurve);        // 8
    Tick(m, kSourceWaterAnalysis, f.surface);  // 9
    for (unsigned id : {kVaryTemperature, kGraphVsTemperature, kVaryPh, kGraphVsPh, kThreeDProfile,
                        kPrintSurface})
        Enable(m, id, f.surface);
    Tick(m, kInjectionWaterAnalysis, f.injection);  // 10
    Enable(m, kPrintInjection, f.injection);
    Tick(m, kFormationWaterAnalysis, f.formation);
    Enable(m, kPrintFormation, f.formation);
    MixItems(m, f);                                             // 11, 12
    Enable(m, kPrintSurfaceTemperatureProfile, f.tempProfile);  // 13
    Tick(m, kVaryTemperature, f.tempProfile);
    Tick(m, kGraphVsTemperature, f.tempProfile);
    Enable(m, kPrintSurfacePhProfile, f.phProfile);
    Tick(m, kVaryPh, f.phProfile);
    Tick(m, kGraphVsPh, f.phProfile);
    Tick(m, kInputPhCurve, f.alkCurve);  // 14
    Tick(m, kThreeDProfile, f.grid);
    ThreeDMixTicks(m, f);  // 15
}

int UpdateMenuTexts() {
    if (mainWindowState.mainMenu != nullptr)
        ApplyMenuRules(mainWindowState.mainMenu, CurrentMenuFlags());
    return 0;
}
