// The option toggles.
#include "shell/menu/option_toggles.h"

#include "engine/records.h"
#include "graphs/records.h"
#include "graphs/window/threed_window.h"
#include "graphs/window/two_d_window.h"
#include "input/records.h"
#include "pages/profiles/profile_recompute.h"
#include "platform/dialogs/message_box.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/settings/units_file.h"
#include "shell/whatif/well_log_commands.h"

namespace {

// One state of a toggle: its question, the confirmation and new value of Yes,
// and the confirmation of No.
struct ToggleState {
    const char* question;
    const char* yesText;
    uint16_t yesValue;
    const char* noText;
};

// Asks; the word takes the Yes value on Yes. Returns the confirmation box's result.
int Ask(const ToggleState& s, uint16_t& word) {
    const win::HWND owner = mainWindowState.mainWindow;
    const bool yes =
        win::MessageBox(owner, s.question, kToggleCaption, win::MB_YESNO) == win::IDYES;
    if (yes) word = s.yesValue;
    return win::MessageBox(owner, yes ? s.yesText : s.noText, kToggleCaption,
                           win::MB_ICONINFORMATION);
}

constexpr ToggleState kBarToContour{
    "3D plots will be in BAR GRAPH format. Switch to CONTOUR PLOTS(Y/N)?",
    "3D plots will now be CONTOUR PLOTS by default!", 2,
    "No Change Made!!! BAR GRAPHS will still be the 3D plot default!"};
constexpr ToggleState kContourToBar{
    "3D plots will be in CONTOUR PLOT format. Switch to BAR GRAPH PLOTS (Y/N)?",
    "3D plots will now be BAR GRAPH PLOTS by default!", 0,
    "No Change Made!!! CONTOUR GRAPHS will still be the 3D plot default!"};
constexpr ToggleState kCarbonToAlkalinity{
    "Total Carbon Will Be Conserved in Calculations. Switch to Alkalinity(Y/N)?",
    "Alkalinity will now be conserved in Calculations!", 3,
    "No Change made!!! Carbon will still be conserved in Calculations!"};
constexpr ToggleState kAlkalinityToCarbon{
    "Alkalinity Will Be Conserved in Calculations. Switch to Total Carbon(Y/N)?",
    "Total Carbon will now be conserved in Calculations!", 2,
    "No Change made!!! Alkalinity will still be conserved in Calculations!"};
constexpr ToggleState kPhToPco2{
    "pH will be the plot variable. Switch to pCO2(Y/N)?",
    "pCO2 will now be the plot and profile variable rather than pH!", 1,
    "No Change made!!! pH will still be the plot and profile variable!"};
constexpr ToggleState kPco2ToPh{
    "pCO2 will be the plot variable. Switch to pH(Y/N)?",
    "pH will now be the plot and profile variable rather than pCO2!", 0,
    "No Change made!!! pCO2 will still be the plot and profile variable!"};

// After a toggle whose word must lie in 0 .. `highest`: stale results and the
// units file when the value on exit differs from the value on entry.
void AfterToggle(uint16_t entry, uint16_t exit) {
    if (entry == exit) return;
    ClearResultsOfAnOptionChange();
    SaveUnitsFile();
    ShowResultsOfAnOptionChange();
}

}  // namespace

void ClearResultsOfAnOptionChange() {
    ResultStatus& r = resultStatus;
    r.tempProfileDone = r.gridDone = r.phProfileDone = r.gridDone2 = r.pressureProfileDone = 0;
    for (uint16_t& done : r.mixGridDone) done = 0;
    for (uint16_t& done : r.wellProfileDone) done = 0;
    gridOrientationSet = 0;
    ClearSummaryProfiles();
}

void ShowResultsOfAnOptionChange() {
    // The open windows show the results of the new option, as a change of
    // units has them do: the profiles of open pages are computed again, the
    // pages, summaries and graph painted, an open graph's profile or grid
    // computed again first. The working analysis the command left is kept.
    const WaterAnalysis working = currentAnalysis;
    RecomputeOpenProfiles();
    RefreshOpenPages(-1);
    // Last, as a summary's profile lays out the graph records for its own.
    RecalculateOpenTwoDGraph();
    RecalculateOpenThreeDGraph();
    currentAnalysis = working;
}

void ToggleThreeDPlotStyle() {
    uint16_t& style = displaySettings.threeDPlotStyle;
    if (style != 0 && style != 2) return;
    const uint16_t entry = style;
    Ask(entry == 0 ? kBarToContour : kContourToBar, style);
    if (style != entry) SaveUnitsFile();
}

int ToggleCarbonConservation() {
    uint16_t& model = whatIfOptions.carbonateModel;
    const uint16_t entry = model;
    if (model > 3) model = 0;
    const int result =
        Ask(model == 0 || model == 2 ? kCarbonToAlkalinity : kAlkalinityToCarbon, model);
    AfterToggle(entry, model);
    return result;
}

int TogglePlotVariable() {
    uint16_t& vary = whatIfOptions.varyPco2;
    const uint16_t entry = vary;
    if (vary > 1) vary = 0;
    const int result = Ask(vary == 0 ? kPhToPco2 : kPco2ToPh, vary);
    AfterToggle(entry, vary);
    return result;
}
