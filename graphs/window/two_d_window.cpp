// The 2D graph window's procedure, opener and menu switches.
#include "graphs/window/two_d_window.h"

#include <cstdio>
#include <cstring>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/two_d_graph_records.h"
#include "graphs/twod/axis_setup.h"
#include "graphs/twod/bar_graph.h"
#include "graphs/window/graph_picture_export.h"
#include "graphs/window/graph_slot.h"
#include "graphs/window/graph_window_steps.h"
#include "graphs/window/shown_graph.h"
#include "graphs/window/two_d_family.h"
#include "input/whatif/whatif_dialog.h"
#include "pages/profiles/profile_recompute.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "reporttext/report/report_builders.h"
#include "resources/resource_ids.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/wells/well_profiles.h"
#include "shell/records.h"
#include "treatment/graphs/choose_graphs.h"
#include "treatment/product/product_change.h"
#include "treatment/product/select_product.h"

namespace {

using namespace TwoDGraphCommand;

int NoDialog(win::HWND) {
    return 0;
}
int NoMenuTexts() {
    return 0;
}
TwoDRangeHooks rangeHooks{NoDialog, NoDialog, NoDialog, NoDialog, NoMenuTexts};

// The stale flag of the profile of a kind, and its done flag.
uint32_t* StaleFlag(uint32_t kind) {
    switch (kind) {
        case 1:
            return &resultStatus.tempProfileStale;
        case 2:
            return &resultStatus.phProfileStale;
        case 3:
            return &resultStatus.mixProfileStale;
        case 4:
            return &resultStatus.pressureProfileStale;
        case 6:
            return &resultStatus.wellProfileStale;
        default:
            return nullptr;
    }
}

uint16_t* DoneFlag(uint32_t kind) {
    switch (kind) {
        case 1:
            return &resultStatus.tempProfileDone;
        case 2:
            return &resultStatus.phProfileDone;
        case 3:
            return &resultStatus.mixProfileDone;
        case 4:
            return &resultStatus.pressureProfileDone;
        case 6:
            return &resultStatus.wellProfileDone[1];
        default:
            return nullptr;
    }
}

// Recomputes the profile of a kind; `owner` owns the progress window, the
// mixing profile always has the graph window.
void Calculate(uint32_t kind, win::HWND owner, win::HWND hwnd) {
    switch (kind) {
        case 1:
            CalcTempProfile(owner);
            break;
        case 2:
            CalcpHProfile(owner);
            break;
        case 3:
            CalcMixingProfile(hwnd);
            break;
        case 4:
            CalcPressProfile(owner);
            break;
        case 6:
            CalcWellLogProfile11(owner);
            break;
        default:
            break;
    }
}

// The profile of a kind as its pages name it; -1 for a kind without pages.
int PageProfileOf(uint32_t kind) {
    switch (kind) {
        case 1:
            return ProfileKind::kTemperature;
        case 2:
            return ProfileKind::kPh;
        case 3:
            return ProfileKind::kMixing;
        case 4:
            return ProfileKind::kPressure;
        default:
            return -1;
    }
}

// Whether the window's profile must be computed again: its stale flag, or a
// product chosen (from any window's menu) since the window last computed it.
bool IsStale(uint32_t kind, win::HWND hwnd) {
    const uint32_t* stale = StaleFlag(kind);
    if (stale == nullptr) return false;
    const ShownGraph* shown = ShownGraphOf(hwnd);
    const bool productChanged = shown != nullptr && shown->productChanges != ProductChanges();
    return *stale != 0 || productChanged ||
           resultStatus.productSelected != twoDGraphState.productAtPaint;
}

// Recomputes the window's stale profile once, in the window's own kind, and
// clears its stale flag; the window's own axis stays in place.
void RecalculateIfStale(win::HWND hwnd, bool onlyWhenDone) {
    PutShownGraphInPlace(hwnd);
    const uint32_t kind = graphProfileKind;
    if (!IsStale(kind, hwnd)) return;
    const uint16_t* done = DoneFlag(kind);
    if (onlyWhenDone && (done == nullptr || *done == 0)) return;
    Calculate(kind, mainWindowState.mainWindow, hwnd);
    *StaleFlag(kind) = 0;
    twoDGraphState.productAtPaint = resultStatus.productSelected;
    ShownGraphComputed(hwnd);
    // The run may have named its own kind.
    PutShownGraphInPlace(hwnd);
}

int CountCodes() {
    int count = 1;
    while (count < kChartSlots && graphIndexCodes[count] != kNoGraphIndex) ++count;
    return count;
}

void PaintNow(win::HWND hwnd) {
    PaintGraphNow(hwnd, DrawShownTwoDGraph);
}

void ChangeRange(win::HWND hwnd) {
    PutShownGraphInPlace(hwnd);
    const uint32_t kind = graphProfileKind;
    GraphWindowHook dialog = nullptr;
    switch (kind) {
        case 1:
            dialog = rangeHooks.tempAtPh;
            break;
        case 2:
            dialog = rangeHooks.phAtTemp;
            break;
        case 3:
            dialog = rangeHooks.percent;
            break;
        case 4:
            dialog = rangeHooks.pressAtTemp;
            break;
        case 6:
            dialog = OpenWhatIfFrom2DGraph;
            break;
        default:
            return;
    }
    (void)dialog(hwnd);
    // The profile is computed again whether the dialog ended with OK or Cancel.
    *DoneFlag(kind) = 0;
    Calculate(kind, hwnd, hwnd);
    graphProfileKind = kind;
    LayTwoDGraphAxis(static_cast<int>(kind), true);
    KeepShownGraph(hwnd);
    ShownGraphComputed(hwnd);
    PaintNow(hwnd);
    // Its open pages show the profile the graph now shows.
    if (const int profile = PageProfileOf(kind); profile >= 0) RepaintProfilePages(profile);
    // The keyboard comes back to the graph the range was changed for.
    win::SetActiveWindow(hwnd);
    win::SetFocus(hwnd);
}

void ChooseGraphsOrProduct(win::HWND hwnd, int id) {
    bool recalculate = true;
    if (id == kChooseGraphs) {
        // The dialog copies a choice of one to four codes into graphIndexCodes.
        (void)ShowChooseGraphsDialog(hwnd);
        win::SetFocus(hwnd);
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
    } else {
        (void)OpenSelectProduct(hwnd);
        win::SetFocus(hwnd);
        recalculate = resultStatus.productChosen != 0;
        if (recalculate) win::InvalidateRect(hwnd, nullptr, win::FALSE);
    }
    if (recalculate) {
        RecalculateIfStale(hwnd, true);
        twoDGraphState.productAtPaint = resultStatus.productSelected;
    }
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    if (id == kChooseGraphs) {
        win::SetFocus(hwnd);
    } else {
        win::UpdateWindow(hwnd);
        // The profile's progress window took the keyboard to the main window.
        win::SetActiveWindow(hwnd);
        win::SetFocus(hwnd);
    }
}

void Command(win::HWND hwnd, int id) {
    switch (id) {
        case kCopy:
            CopyTwoDFamilyGraph(hwnd, DrawShownTwoDGraph);
            break;
        case kExportImage:
            break;  // answered by the procedure itself
        case kPrint:
            PrintTwoDGraph(hwnd);
            break;
        case kClose:
            CloseSlotGraphWindow(hwnd);
            break;
        case kChooseGraphs:
        case kChooseProduct:
            ChooseGraphsOrProduct(hwnd, id);
            break;
        case kChangeRange:
            ChangeRange(hwnd);
            break;
        default:
            (void)SwitchTwoDFamilyItem(hwnd, id, DrawShownTwoDGraph, true);
            break;
    }
}

void Click(win::HWND hwnd, win::LPARAM lParam, bool copy) {
    const win::POINT at = GraphClickPoint(hwnd, lParam);
    int points[kGraphPoints];
    const int hits = HitPoints(at.x, at.y, points);
    const int kind = static_cast<int>(graphProfileKind);
    for (int h = 0; h < hits; ++h) {
        const int k = points[h];
        const ClickText t = copy ? CopyPointAnalysis(kind, k) : ValueClickText(kind, k);
        if (copy)
            ShowClickBox(hwnd, t.caption.c_str(), t.message.c_str());
        else
            AnswerValueClick(hwnd, t.caption.c_str(), t.message.c_str(), k);
    }
}

void RecalculateShown(win::HWND hwnd) {
    RecalculateIfStale(hwnd, false);
}

constexpr GraphWindowTraits kTraits{RecalculateShown, DrawShownTwoDGraph, TwoDFamilyAltCommand,
                                    CloseSlotGraphWindow};

}  // namespace

void InstallTwoDRangeHooks(const TwoDRangeHooks& hooks) {
    rangeHooks = hooks;
    if (rangeHooks.tempAtPh == nullptr) rangeHooks.tempAtPh = NoDialog;
    if (rangeHooks.phAtTemp == nullptr) rangeHooks.phAtTemp = NoDialog;
    if (rangeHooks.percent == nullptr) rangeHooks.percent = NoDialog;
    if (rangeHooks.pressAtTemp == nullptr) rangeHooks.pressAtTemp = NoDialog;
    if (rangeHooks.updateMenuTexts == nullptr) rangeHooks.updateMenuTexts = NoMenuTexts;
}

int OpenWhatIfFrom2DGraph(win::HWND window) {
    OpenWhatIfDialog(window);
    (void)rangeHooks.updateMenuTexts();
    win::InvalidateRect(window, nullptr, win::TRUE);
    win::UpdateWindow(window);
    return 1;
}

void DrawShownTwoDGraph(win::HDC dc, win::HWND window) {
    const ShownGraphInPlace shown(window);
    DrawTwoDGraph(dc, window);
}

win::LRESULT TwoDGraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                              win::LPARAM lParam) {
    // Whatever the message asks, it is asked of the graph this window shows.
    const ShownGraphInPlace shown(hwnd);
    switch (msg) {
        case win::WM_CREATE:
            twoDGraphState.productAtPaint = resultStatus.productSelected;
            twoDGraphState.graphCount = CountCodes();
            LayTwoDGraphAxis(static_cast<int>(graphProfileKind), false);
            ForgetShownGraph(hwnd);
            KeepShownGraph(hwnd);
            break;
        case win::WM_DESTROY:
            ForgetShownGraph(hwnd);
            return AnswerGraphMessage(hwnd, msg, wParam, lParam, kTraits);
        case win::WM_SETFOCUS:
            SetTreatedColourText(hwnd, true);
            break;
        case win::WM_COMMAND:
            if (wParam == kExportImage) {
                // A cancelled export answers 0, a file that cannot be opened 1.
                const int result = ExportTwoDGraph(hwnd);
                if (result != GraphExportResult::kDone) return result;
                break;
            }
            Command(hwnd, static_cast<int>(wParam));
            break;
        case win::WM_LBUTTONDOWN:
        case win::WM_RBUTTONDOWN:
            if (twoDGraphState.graphCount <= 0) break;
            Click(hwnd, lParam, msg == win::WM_RBUTTONDOWN);
            return 1;
        default:
            return AnswerGraphMessage(hwnd, msg, wParam, lParam, kTraits);
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

void RecalculateOpenTwoDGraph(bool asOpened) {
    const MainWindowState& m = mainWindowState;
    if (m.graphWindowOpen == 0 || !win::IsWindow(m.graphWindow)) return;
    char shown[64] = {};
    char twoD[64] = {};
    (void)win::GetClassName(m.graphWindow, shown, sizeof shown);
    if (win::LoadString(m.instance, StringId::kTwoDGraphClass, twoD, sizeof twoD) == 0 ||
        std::strcmp(shown, twoD) != 0)
        return;
    // The open window's own graph, whatever was laid out since.
    PutShownGraphInPlace(m.graphWindow);
    const uint32_t kind = graphProfileKind;
    const uint16_t* done = DoneFlag(kind);
    const bool everyOpening = asOpened && (kind == 3 || kind == 4);
    if (done != nullptr && (*done == 0 || everyOpening)) {
        Calculate(kind, m.mainWindow, m.graphWindow);
        // The mixing-ratio axis from the mixing zone settings, as its command lays it.
        if (kind == 3) RebuildMixingAxis();
        *StaleFlag(kind) = 0;
        twoDGraphState.productAtPaint = resultStatus.productSelected;
        ShownGraphComputed(m.graphWindow);
        // Its open pages show the profile the graph now shows.
        if (const int profile = PageProfileOf(kind); profile >= 0) RepaintProfilePages(profile);
    }
    // The axis and its titles are laid out again for the profile held now (in
    // the window's own kind, whatever the run above named).
    graphProfileKind = kind;
    RefreshTwoDGraphWindow(m.graphWindow);
    win::UpdateWindow(m.graphWindow);
}

void RefreshTwoDGraphWindow(win::HWND window) {
    // The window already open shows the graph now asked for: its axis and chart
    // count as a new window would have them, painted afresh.
    twoDGraphState.graphCount = CountCodes();
    LayTwoDGraphAxis(static_cast<int>(graphProfileKind), false);
    KeepShownGraph(window);
    win::InvalidateRect(window, nullptr, win::TRUE);
}
