// The 3D graph window's procedure: its keys, switches, reversal, Change
// Range, Choose Graphs and Choose Product, and close.
#include "graphs/window/threed_window.h"

#include <cstring>

#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/state/dosage_refusal.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/graph_slot.h"
#include "graphs/window/graph_window_steps.h"
#include "graphs/window/range_hooks.h"
#include "graphs/window/threed_window_records.h"
#include "input/records.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/profiles/profiles.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "treatment/graphs/choose_graphs.h"
#include "treatment/product/product_change.h"
#include "treatment/product/select_product.h"

namespace {

using namespace ThreeDGraphCommand;

int16_t Kind() {
    return static_cast<int16_t>(whatIfResults.grid.gridKind);
}

void Send(win::HWND hwnd, int id) {
    win::SendMessage(hwnd, win::WM_COMMAND, static_cast<win::WPARAM>(id), 0);
}

void Paint(win::HDC dc, win::HWND hwnd) {
    (void)Draw3DGraph(dc, hwnd);
}

void PaintNow(win::HWND hwnd) {
    PaintGraphNow(hwnd, Paint);
}

void Invalidate(win::HWND hwnd) {
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

// The chosen graphs the window pages through: 1 to 4.
int ChoiceCount() {
    const int count = graphChoice.count;
    return count < 1 ? 1 : (count > kGraphIndexCodeCount ? kGraphIndexCodeCount : count);
}

void Close(win::HWND hwnd) {
    MainWindowState& m = mainWindowState;
    // The slot holds this window, unless it closes while it is being made.
    if (win::IsWindow(hwnd)) win::DestroyWindow(hwnd);
    ReleaseGraphSlot(hwnd);
    m.graphWindowOpen = 0;
    ShowMainWindowAgain();
}

// The dosage graph without a product: refused, calcite put first, closed.
bool RefuseDosage(win::HWND hwnd) {
    if (!RefuseDosageWithoutProduct(nullptr)) return false;
    Send(hwnd, kClose);
    return true;
}

// The grid of the current pair computed again, its done flag cleared first.
void Recompute(bool allMixFlags) {
    ResultStatus& s = resultStatus;
    const int source = gridSource;
    const int kind = Kind();
    if (source == 0 && kind == -1) {
        s.gridDone = 0;
        CalcGridpHTemp(0);
    } else if (source == 1 && kind >= 0 && kind <= 2) {
        // mixGridDone: element 0 belongs to kind 2, 1 to kind 1, 2 to kind 0.
        if (allMixFlags)
            s.mixGridDone[0] = s.mixGridDone[1] = s.mixGridDone[2] = 0;
        else
            s.mixGridDone[2 - kind] = 0;
        static constexpr uint16_t kGridCodes[] = {MixGridCode::kPhByTemperature,
                                                  MixGridCode::kRatio, MixGridCode::kPhByPercent};
        (void)CalcMixGrid(kGridCodes[kind]);
    } else if (source == 2 && kind == 3) {
        s.gridDone2 = 0;
        CalcGridPressTemp(0);
    }
}

// Whether the workspace holds the waters the grid on show is computed from:
// the injection and formation waters for the mixing grids, else the source water.
bool HoldsTheGridsWaters() {
    const ResultStatus& s = resultStatus;
    if (gridSource == 1) return s.injectionEntered != 0 && s.formationEntered != 0;
    return s.surfaceEntered != 0;
}

// ProductChanges() when the grid on show was last computed for a product.
uint32_t productChangesAtGrid = 0;

// The grid computed again after a change of product that touches it: a
// product chosen, or No Product where the graph opened with one.
void FollowProductChange() {
    const ResultStatus& s = resultStatus;
    if (s.productChosen != 0 ||
        (s.productSelected == 0 && threeDWindowState.productAtGraphOpen != 0))
        Recompute(false);
    productChangesAtGrid = ProductChanges();
}

void ProductDecision(win::HWND hwnd) {
    FollowProductChange();
    if (RefuseDosage(hwnd)) return;
    PaintNow(hwnd);
}

// Before a paint: a product chosen since the grid was computed, from the main
// menu or another window's, is followed as the graph's own choice is.
void BeforePaint(win::HWND hwnd) {
    if (ProductChanges() != productChangesAtGrid) FollowProductChange();
    SetThreeDPaintTexts(hwnd);
}

// The Change Range dialog of the grid on show, by gridSource, gridKind and varyPco2.
GraphWindowHook RangeDialog() {
    const ThreeDRangeHooks& h = ThreeDRangeDialogs();
    const bool pco2 = whatIfOptions.varyPco2 != 0;
    const int source = gridSource;
    const int kind = Kind();
    if (source == 0 && kind == -1) return pco2 ? h.tempPCO2 : h.tempPH;
    if (source == 1 && kind == 0) return pco2 ? h.tempPCO2Pct : h.tempPHPct;
    if (source == 1 && kind == 1) return h.tempPct;
    if (source == 1 && kind == 2) return pco2 ? h.pCO2Pct : h.pHPct;
    if (source == 2 && kind == 3) return h.tempPress;
    return nullptr;
}

void ChangeRange(win::HWND hwnd) {
    const GraphWindowHook dialog = RangeDialog();
    if (dialog != nullptr) {
        (void)dialog(hwnd);
        // OK or Cancel, the grid is computed again.
        Recompute(true);
    }
    PaintNow(hwnd);
    // The keyboard comes back to the graph the range was changed for.
    win::SetActiveWindow(hwnd);
    win::SetFocus(hwnd);
}

void Toggle(uint16_t& flag) {
    flag = flag == 1 ? 0 : 1;
}

void Switch(win::HWND hwnd, int id) {
    GraphOutputFlags& f = graphOutputFlags;
    switch (id) {
        case kLabels:
            showGraphLabels = showGraphLabels != 0 ? 0 : 1;
            SetThreeDPaintTexts(hwnd);
            Invalidate(hwnd);
            break;
        case kTreatedColours:
            f.treatedColorCoding = f.treatedColorCoding != 0 ? 0 : 1;
            SetThreeDPaintTexts(hwnd);
            Invalidate(hwnd);
            break;
        case kPlotStyle: {
            // The units file keeps the style; the window does not write it.
            uint16_t& style = displaySettings.threeDPlotStyle;
            if (style == 0 || style == 1)
                style = 2;
            else if (style == 2)
                style = 0;
            SetThreeDPaintTexts(hwnd);
            Invalidate(hwnd);
            win::SetFocus(hwnd);
            break;
        }
        case kBackground:
            if (whiteBackground != 0) {
                whiteBackground = 0;
            } else {
                whiteBackground = 1;
                if (f.colorNow > 0) f.colorNow = 2;
            }
            SetThreeDPaintTexts(hwnd);
            Invalidate(hwnd);
            win::SetFocus(hwnd);
            break;
        case kFormulaTitles:
            displaySettings.mineralTitles = displaySettings.mineralTitles != 0 ? 0 : 1;
            SetThreeDTitleToggleText(hwnd);
            Invalidate(hwnd);
            break;
        case kExportGrey:
        case kPrintGrey:
        case kDisplayGrey: {
            int16_t& flag = id == kExportGrey ? f.exportColor
                                              : (id == kPrintGrey ? f.printColor : f.displayColor);
            flag = flag == 0 ? 1 : 0;
            SetThreeDColourToggleText(hwnd, id);
            if (id == kDisplayGrey) {
                f.colorNow = f.displayColor;
                PaintNow(hwnd);
            }
            Invalidate(hwnd);
            break;
        }
        case kReverseRows:
        case kReverseColumns:
        case kReverseBoth:
            f.renderTarget = RenderTarget::kScreen;
            if (id != kReverseColumns) Toggle(rowOrderNatural);
            if (id != kReverseRows) Toggle(columnOrderNatural);
            SetThreeDReverseTexts(hwnd);
            PaintNow(hwnd);
            break;
        default:
            break;
    }
}

void Command(win::HWND hwnd, int id) {
    switch (id) {
        case kCopy:
            CopyThreeDGraph(hwnd);
            break;
        case kExportData:
            ExportThreeDData(hwnd);
            break;
        case kChangeRange:
            ChangeRange(hwnd);
            break;
        case kChooseProduct:
            (void)OpenSelectProduct(hwnd);
            ProductDecision(hwnd);
            // The grid's progress window took the keyboard to the main window.
            if (win::IsWindow(hwnd)) {
                win::SetActiveWindow(hwnd);
                win::SetFocus(hwnd);
            }
            break;
        case kChooseGraphs: {
            (void)ShowChooseGraphsDialog(hwnd);
            const int count = graphChoice.count;
            for (int i = 0; i < count && i < kGraphIndexCodeCount; ++i)
                graphIndexCodes[i] = static_cast<uint16_t>(graphChoice.codes[i]);
            selectedGraphPosition = count == 4 ? 2 : 0;
            ProductDecision(hwnd);
            break;
        }
        case kClose:
            Close(hwnd);
            break;
        default:
            Switch(hwnd, id);
            break;
    }
}

constexpr GraphAltKey kAltKeys[] = {
    {'F', kExportImage},   {'G', kChooseGraphs},   {'L', kLabels},
    {'N', kChooseProduct}, {'P', kPrint},          {'T', kTreatedColours},
    {'X', kReverseRows},   {'Y', kReverseColumns}, {'Z', kReverseBoth},
};

// B asks for the bar graph from a contour, C for the contour from bars.
int AltCommand(win::WPARAM key) {
    const uint16_t style = displaySettings.threeDPlotStyle;
    if (key == 'B' || key == 'b') return style == 2 ? kPlotStyle : 0;
    if (key == 'C' || key == 'c') return style <= 1 ? kPlotStyle : 0;
    return GraphAltKeyCommand(key, kAltKeys);
}

void Key(win::HWND hwnd, win::WPARAM key) {
    // With one graph chosen the keys do nothing, Escape included.
    const int count = ChoiceCount();
    if (count <= 1) return;
    int16_t& position = selectedGraphPosition;
    switch (key) {
        case win::VK_ESCAPE:
            Send(hwnd, kClose);
            return;
        case win::VK_PRIOR:
            position = static_cast<int16_t>(position - 1 < 0 ? count - 1 : position - 1);
            break;
        case win::VK_NEXT:
            position = static_cast<int16_t>(position + 1 > count - 1 ? 0 : position + 1);
            break;
        case 0x76:  // F7
            Send(hwnd, kBackground);
            return;
        default:
            return;
    }
    Invalidate(hwnd);
}

constexpr GraphWindowTraits kTraits{BeforePaint, Paint, AltCommand, Close};

}  // namespace

win::LRESULT GraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
        case win::WM_CREATE:
            threeDWindowState.productAtGraphOpen = resultStatus.productSelected;
            productChangesAtGrid = ProductChanges();
            selectedGraphPosition = graphChoice.count == 4 ? 2 : 0;
            break;
        case win::WM_SETFOCUS:
            if (resultStatus.productSelected == 0 && RefuseDosage(hwnd)) break;
            SetThreeDMenuTexts(hwnd);
            break;
        case win::WM_KEYDOWN:
            Key(hwnd, wParam);
            break;
        case win::WM_LBUTTONDOWN:
            if (ThreeDValueClick(hwnd, win::LOWORD(static_cast<win::DWORD>(lParam)),
                                 win::HIWORD(static_cast<win::DWORD>(lParam))) != 0)
                return 1;
            break;
        case win::WM_RBUTTONDOWN:
            if (ThreeDAnalysisCopy(hwnd, win::LOWORD(static_cast<win::DWORD>(lParam)),
                                   win::HIWORD(static_cast<win::DWORD>(lParam))) != 0)
                return 1;
            break;
        case win::WM_COMMAND: {
            const int id = static_cast<int>(win::LOWORD(static_cast<win::DWORD>(wParam)));
            if (id == kExportImage) return ExportThreeDGraph(hwnd);
            if (id == kPrint) return PrintThreeDGraph(hwnd);
            Command(hwnd, id);
            break;
        }
        default:
            return AnswerGraphMessage(hwnd, msg, wParam, lParam, kTraits);
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

bool ThreeDGraphIsOpen() {
    const MainWindowState& m = mainWindowState;
    if (m.graphWindowOpen == 0 || !win::IsWindow(m.graphWindow)) return false;
    char shown[64] = {};
    char threeD[64] = {};
    (void)win::GetClassName(m.graphWindow, shown, sizeof shown);
    return win::LoadString(m.instance, StringId::kGraphClass, threeD, sizeof threeD) != 0 &&
           std::strcmp(shown, threeD) == 0;
}

void RecalculateOpenThreeDGraph() {
    const MainWindowState& m = mainWindowState;
    if (!ThreeDGraphIsOpen()) return;
    // A work file opened without the grid's waters leaves it nothing to show.
    if (!HoldsTheGridsWaters()) {
        Close(m.graphWindow);
        return;
    }
    Recompute(true);
    productChangesAtGrid = ProductChanges();
    // The new grid's tall corner is put at the back, as a new window does.
    gridOrientationSet = 0;
    PaintNow(m.graphWindow);
}
