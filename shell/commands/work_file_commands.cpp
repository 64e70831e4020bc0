// Open File, Save File and Save File As.
#include "shell/commands/work_file_commands.h"

#include <cstring>

#include "engine/inputs/inputs_records.h"
#include "engine/pipeline/calc_water_analysis.h"
#include "engine/records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/threed_window.h"
#include "graphs/window/two_d_window.h"
#include "platform/dialogs/message_box.h"
#include "platform/window/window.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/multimix/multimix_records.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/wells/well_profiles.h"
#include "shell/accumulators/selected_params_records.h"
#include "shell/commands/recalc_multimix.h"
#include "shell/commands/save_offer.h"
#include "shell/mainwindow/print_status.h"
#include "shell/menu/menu_texts.h"
#include "shell/records.h"
#include "shell/resultpages/page_routine.h"
#include "shell/whatif/well_log_commands.h"
#include "shell/workfile/browser/browse_dialogs.h"
#include "shell/workfile/work_file.h"

namespace {

constexpr int16_t kFirstRecomputedVersion = 500;
constexpr int16_t kLastRecomputedVersion = 556;
// What's Stored recomputes the waters of files before 123 and of 500 to 509.
constexpr int16_t kFirstBrowsedKeptVersion = 123;
constexpr int16_t kLastBrowsedRecomputedVersion = 509;

void MenuTexts() {
    (void)UpdateMenuTexts();
}
void MultiMix() {
    (void)RecalcMultiMix();
}

void Repaint(win::HWND mainWindow) {
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}

// Save File before any file was named still holds the start-up pattern.
bool NoFileChosen() {
    const char* path = mainWindowState.workFilePath;
    return path[0] == '\0' || std::strchr(path, '*') != nullptr ||
           std::strchr(path, '?') != nullptr;
}

// A file of an older version gets every result the current engine would give.
void RecomputeOlderFile(win::HWND mainWindow) {
    const WorkFileCommandServices& s = workFileCommandServices;
    win::MessageBox(mainWindow, kUpdatingText, "WARNING", win::MB_ICONINFORMATION);
    ResultStatus& r = resultStatus;
    const uint16_t entered[] = {r.surfaceEntered, r.injectionEntered, r.formationEntered};
    for (int water = 0; water < 3; ++water) {
        if (entered[water] == 0) continue;
        balanceHold = 0;  // the engine's mode word
        dialogResult = 1;
        mainWindowState.currentWater = water;
        s.calcWaterAnalysis(0, mainWindow);
    }
    if (r.mixProfileDone != 0) {
        dialogResult = 1;
        r.mixProfileDone = 0;
        s.calcMixingProfile(mainWindow);
    }
    if (multiMixState.multiMixDone != 0) s.recalcMultiMix();
    if (r.tempProfileDone != 0) {
        r.tempProfileDone = 0;
        s.calcTempProfile(mainWindow);
        r.tempProfileDone = 1;
    }
    if (r.phProfileDone != 0) {
        r.phProfileDone = 0;
        s.calcpHProfile(mainWindow);
        r.phProfileDone = 1;
    }
    for (uint16_t& done : r.mixGridDone) done = 0;
    mainWindowState.loadedVersion = kDataVersion;
    // Every water is calculated again: a page that takes the focus next has
    // none to recompute (with pages open, the one on top would otherwise
    // calculate its water once more over what the last calculation left).
    dialogResult = 0;
}

}  // namespace

constexpr WorkFileCommandServices kProgramServices = {
    OfferToSaveWork, MenuTexts,       CalcWaterAnalysis, CalcMixingProfile,
    MultiMix,        CalcTempProfile, CalcpHProfile,     CalcWellLogProfile,
};
WorkFileCommandServices workFileCommandServices = kProgramServices;

void ResetWorkFileCommandServices() {
    workFileCommandServices = kProgramServices;
}

void SaveFileCommand(win::HWND mainWindow) {
    if (NoFileChosen() && ShowSaveAsDialog(mainWindow) != 0) {
        Repaint(mainWindow);
        return;
    }
    if (SaveWorkFile(mainWindow) == 0) {
        mainWindowState.dataChanged = 0;
        ForgetPrintedDocument(mainWindow);
    }
    Repaint(mainWindow);
}

void SaveFileAsCommand(win::HWND mainWindow) {
    if (ShowSaveAsDialog(mainWindow) == 0 && SaveWorkFile(mainWindow) == 0) {
        mainWindowState.dataChanged = 0;
        ForgetPrintedDocument(mainWindow);
    }
    Repaint(mainWindow);
}

void OpenFileCommand(win::HWND mainWindow) {
    const WorkFileCommandServices& s = workFileCommandServices;
    if (mainWindowState.dataChanged != 0 && s.offerToSave != nullptr && !s.offerToSave(mainWindow))
        return;
    // The grid an open 3D graph shows: the file's run state names another.
    const bool threeD = ThreeDGraphIsOpen();
    const uint16_t shownSource = gridSource;
    const uint16_t shownKind = whatIfResults.grid.gridKind;
    const bool opened = OpenWorkFileDlg(mainWindow) == 0;
    if (opened) {
        ForgetPrintedDocument(mainWindow);
        // The well profiles' stations in memory were of the waters before;
        // the file holds only some of their tables.
        for (uint16_t& done : resultStatus.wellProfileDone) done = 0;
        const int16_t v = mainWindowState.loadedVersion;
        if (v >= kFirstRecomputedVersion && v <= kLastRecomputedVersion)
            RecomputeOlderFile(mainWindow);
        ClosePagesWithoutResults();
        RefreshOpenPages(-1);
        // The summaries' profiles were of the waters held before.
        const uint32_t onePageShown = onePageDataFlag;
        ClearSummaryProfiles();
        onePageDataFlag = onePageShown;
    }
    // The one-page summary's profile follows the waters now held, file read or
    // not; the working analysis stays as the file left it.
    if (onePageDataFlag != 0 && s.calcWellLogProfile != nullptr) {
        const WaterAnalysis working = currentAnalysis;
        resultStatus.onePageProfileStale = 0;
        s.calcWellLogProfile(mainWindow);
        onePageDataFlag = 1;
        currentAnalysis = working;
    }
    // Last, as the summary's profile has laid out the graph records for its own.
    if (opened) {
        const WaterAnalysis working = currentAnalysis;
        RecalculateOpenTwoDGraph();
        if (threeD) {
            gridSource = shownSource;
            whatIfResults.grid.gridKind = shownKind;
            RecalculateOpenThreeDGraph();
        }
        currentAnalysis = working;
    }
    s.updateMenuTexts();
    SetSaveMenuItems();
    Repaint(mainWindow);
}

void WhatsStoredCommand(win::HWND mainWindow) {
    const WorkFileCommandServices& s = workFileCommandServices;
    BrowseWorkFiles(mainWindow);
    balanceHold = 0;  // the engine's mode word
    const int16_t v = mainWindowState.loadedVersion;
    if (v < kFirstBrowsedKeptVersion || (v >= 500 && v <= kLastBrowsedRecomputedVersion)) {
        win::MessageBox(mainWindow, kUpdatingText, "WARNING", win::MB_ICONINFORMATION);
        const ResultStatus& r = resultStatus;
        const uint16_t entered[] = {r.surfaceEntered, r.injectionEntered, r.formationEntered};
        for (int water = 0; water < 3; ++water) {
            if (entered[water] == 0) continue;
            balanceHold = 0;
            mainWindowState.currentWater = water;
            s.calcWaterAnalysis(0, mainWindow);
        }
        mainWindowState.loadedVersion = kDataVersion;
    }
    ClosePagesWithoutResults();
    RefreshOpenPages(-1);
    s.updateMenuTexts();
    Repaint(mainWindow);
}
