// The well-log and one-page commands.
#include "shell/whatif/well_log_commands.h"

#include <algorithm>
#include <iterator>

#include "engine/records.h"
#include "graphs/records.h"
#include "platform/window/window.h"
#include "scenarios/frame/driver_frame.h"
#include "printing/summary/summary_records.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/menu/menu_texts.h"
#include "shell/whatif/command_drivers.h"
#include "shell/whatif/graph_choice_steps.h"
#include "shell/whatif/print_commands.h"
#include "shell/whatif/scenario_views.h"
#include "shell/whatif/whatif_command_records.h"

namespace {

constexpr int16_t kRowLayout[kOnePageRowCount] = {-1, -1, 17, 44, 3, 24, 8, 37,
                                                  7,  21, 6,  5,  5, 4,  0, 0};
constexpr uint16_t kGraphDefaults[kGraphParamCount] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};
constexpr int16_t kSummaryGraphs[kWellLogSummaryGraphCount] = {0, 21, 5, 4, 24, 37, 44, -1, -1, -1};

// The profile behind a view when it is not there yet, or when a change of
// product marked it stale; false when it is still missing.
bool EnsureFlag(uint32_t& flag, uint32_t& stale, void (*driver)(win::HWND), win::HWND mainWindow) {
    if (flag == 0 || stale != 0) {
        stale = 0;  // cleared first: the driver's progress window may bring a paint
        driver(mainWindow);
        flag = 1;
        UpdateMenuTexts();
    }
    return flag != 0;
}

void PaintWindowOfClass(const char* className) {
    if (win::HWND w = win::FindWindow(className, nullptr); w != nullptr) {
        win::InvalidateRect(w, nullptr, win::TRUE);
        win::UpdateWindow(w);
    }
}

}  // namespace

void SetOnePageLayout() {
    std::copy(std::begin(kRowLayout), std::end(kRowLayout), onePageRowCodes);
    if (displaySettings.graphParams[0] == 0xFFFF)
        std::copy(std::begin(kGraphDefaults), std::end(kGraphDefaults),
                  displaySettings.graphParams);
}

void OnePageSummaryCommand(win::HWND mainWindow) {
    // A surface water whose sulfide outweighs its alkalinity has no stations.
    if (RefuseSourWater(mainWindow)) return;
    SetOnePageLayout();
    if (!EnsureFlag(onePageDataFlag, resultStatus.onePageProfileStale, Drivers().calcWellLogProfile,
                    mainWindow))
        return;
    CurrentScenarioViews().openOnePageWindow(mainWindow, 0);
}

void WellLogTableCommand(win::HWND mainWindow) {
    if (RefuseSourWater(mainWindow)) return;
    SetOnePageLayout();
    if (!EnsureFlag(wellLogTableFlag, resultStatus.wellProfileStale, Drivers().calcWellLogProfile11,
                    mainWindow))
        return;
    CurrentScenarioViews().openOnePageWindow(mainWindow, 1);
}

void WellLogGraphCommand(win::HWND mainWindow) {
    if (RefuseSourWater(mainWindow)) return;
    (void)EnsureFlag(wellLogGraphFlag, resultStatus.wellProfileStale,
                     Drivers().calcWellLogProfile11, mainWindow);
    graphProfileKind = GraphProfileKind::kWellProfile12;
    ChooseGraphBeforeTwoD(mainWindow);
    CurrentScenarioViews().showTwoDGraph(mainWindow);
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}

void WellLogSummaryGraphCommand(win::HWND mainWindow) {
    if (RefuseSourWater(mainWindow)) return;
    std::copy(std::begin(kSummaryGraphs), std::end(kSummaryGraphs), wellLogSummaryGraphCodes);
    graphProfileKind = GraphProfileKind::kWellLog48;
    Drivers().calcWellLogProfile48(mainWindow);
    CurrentScenarioViews().openWellLogSummaryGraphWindow(mainWindow);
    UpdateMenuTexts();
}

void ClearSummaryProfiles() {
    onePageDataFlag = 0;
    wellLogTableFlag = 0;
    wellLogGraphFlag = 0;
    resultStatus.onePageProfileStale = 1;
    resultStatus.wellProfileStale = 1;
    // An open summary window computes its profile again as it paints, here and
    // now; the working analysis the command left is kept, as the result pages
    // keep it (RefreshOpenPages).
    const WaterAnalysis working = currentAnalysis;
    PaintWindowOfClass("DisOnePage");
    PaintWindowOfClass("WellLogDisOnePage");
    currentAnalysis = working;
}

void RefreshStaleOnePageProfile(win::HWND mainWindow) {
    if (onePageDataFlag == 0 || resultStatus.onePageProfileStale == 0) return;
    resultStatus.onePageProfileStale = 0;
    Drivers().calcWellLogProfile(mainWindow);
}

void PrintOnePageSummary(win::HWND mainWindow) {
    PrintOnePageJob(mainWindow);
}
