// The 2D graph window's procedure, opener and menu switches.
#include "graphs/window/two_d_window.h"

#include <cstdio>

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
#include "input/whatif/whatif_dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"
#include "scenarios/mixing/mixing.h"
#include "scenarios/profiles/profiles.h"
#include "scenarios/wells/well_profiles.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"
#include "treatment/graphs/choose_graphs.h"
#include "treatment/limits/limits_summary.h"
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

void SetItem(win::HWND hwnd, int id, const char* text, bool grey = false) {
    win::HMENU menu = win::GetMenu(hwnd);
    if (menu == nullptr) return;
    win::ModifyMenu(menu, static_cast<win::UINT>(id), win::MF_BYCOMMAND | win::MF_STRING,
                    static_cast<std::uintptr_t>(id), text);
    win::EnableMenuItem(menu, static_cast<win::UINT>(id),
                        win::MF_BYCOMMAND | (grey ? win::MF_GRAYED : win::MF_ENABLED));
}

void SetTreatedText(win::HWND hwnd) {
    SetItem(hwnd, kTreatedColours,
            graphOutputFlags.treatedColorCoding != 0
                ? " &UNTREATED COLOR CODING\t(Currently Treated)"
                : " &TREATED COLOR CODING\t(Currently Untreated)");
}

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

bool IsStale(uint32_t kind) {
    const uint32_t* stale = StaleFlag(kind);
    if (stale == nullptr) return false;
    return *stale != 0 || resultStatus.productSelected != twoDGraphState.productAtPaint;
}

// Recomputes a stale profile once and clears its stale flag.
void RecalculateIfStale(uint32_t kind, win::HWND hwnd, bool onlyWhenDone) {
    if (!IsStale(kind)) return;
    const uint16_t* done = DoneFlag(kind);
    if (onlyWhenDone && (done == nullptr || *done == 0)) return;
    Calculate(kind, mainWindowState.mainWindow, hwnd);
    *StaleFlag(kind) = 0;
    twoDGraphState.productAtPaint = resultStatus.productSelected;
}

int CountCodes() {
    int count = 1;
    while (count < kChartSlots && graphIndexCodes[count] != kNoGraphIndex) ++count;
    return count;
}

void PaintNow(win::HWND hwnd) {
    win::HDC dc = win::GetDC(hwnd);
    DrawTwoDGraph(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
}

void Close(win::HWND hwnd) {
    (void)hwnd;
    if (mainWindowState.graphWindowOpen != 0) win::DestroyWindow(mainWindowState.graphWindow);
    mainWindowState.graphWindowOpen = 0;
    win::HWND main = mainWindowState.mainWindow;
    if (main != nullptr) {
        win::SetActiveWindow(main);
        win::ShowWindow(main, win::SW_SHOWMAXIMIZED);
        win::UpdateWindow(main);
    }
}

void Switch(win::HWND hwnd, int id) {
    GraphOutputFlags& f = graphOutputFlags;
    switch (id) {
        case kFormulaTitles:
            displaySettings.mineralTitles = displaySettings.mineralTitles != 0 ? 0 : 1;
            SetItem(hwnd, id,
                    displaySettings.mineralTitles != 0
                        ? "&MINERAL NAME TITLES\t(Currently Formula (e.g. CaCO3)"
                        : "&CHEMICAL FORMULA TITLES\t(Currently Mineral(e.g. Calcite)");
            break;
        case kTreatedColours:
            f.treatedColorCoding = f.treatedColorCoding != 0 ? 0 : 1;
            SetTreatedText(hwnd);
            break;
        case kExportGrey:
            f.exportColor = f.exportColor != 0 ? 0 : 1;
            SetItem(hwnd, id,
                    f.exportColor != 0 ? " EXPORT GRAY SCALE IMAGES\t(Currently Color)"
                                       : " EXPORT COLOR IMAGES\t(Currently Gray Scale)");
            break;
        case kPrintGrey:
            f.printColor = f.printColor != 0 ? 0 : 1;
            SetItem(hwnd, id,
                    f.printColor != 0 ? " PRINT GRAY SCALE IMAGES\t(Currently Color)"
                                      : " PRINT COLOR IMAGES\t(Currently Gray Scale)");
            break;
        case kDisplayGrey:
            f.displayColor = f.displayColor != 0 ? 0 : 1;
            f.colorNow = f.displayColor;
            SetItem(hwnd, id,
                    f.displayColor != 0 ? " DISPLAY GRAY SCALE IMAGES\t(Currently Color)"
                                        : " DISPLAY COLOR IMAGES\t(Currently Gray Scale)");
            PaintNow(hwnd);
            break;
        case kPatterns:
            f.hatchPatterns = f.hatchPatterns != 0 ? 0 : 1;
            SetItem(hwnd, id,
                    f.hatchPatterns != 0 ? " USE SOLID PATTERNS\t(Currently &Hatch Patterns)"
                                         : " USE &HATCH PATTERNS\t(Currently Solid Patterns)");
            PaintNow(hwnd);
            break;
        default:
            return;
    }
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

void ChangeRange(win::HWND hwnd) {
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
    LayTwoDGraphAxis(static_cast<int>(kind), true);
    PaintNow(hwnd);
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
        RecalculateIfStale(graphProfileKind, hwnd, true);
        twoDGraphState.productAtPaint = resultStatus.productSelected;
    }
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    if (id == kChooseGraphs)
        win::SetFocus(hwnd);
    else
        win::UpdateWindow(hwnd);
}

void Command(win::HWND hwnd, int id) {
    switch (id) {
        case kCopy:
            CopyTwoDGraph(hwnd);
            break;
        case kExportImage:
            break;  // answered by the procedure itself
        case kPrint:
            PrintTwoDGraph(hwnd);
            break;
        case kClose:
            Close(hwnd);
            break;
        case kChooseGraphs:
        case kChooseProduct:
            ChooseGraphsOrProduct(hwnd, id);
            break;
        case kChangeRange:
            ChangeRange(hwnd);
            break;
        default:
            Switch(hwnd, id);
            break;
    }
}

int AltCommand(win::WPARAM key) {
    switch (key) {
        case 'F':
        case 'f':
            return kExportImage;
        case 'G':
        case 'g':
            return kChooseGraphs;
        case 'H':
        case 'h':
            return kPatterns;
        case 'N':
        case 'n':
            return kChooseProduct;
        case 'P':
        case 'p':
            return kPrint;
        case 'T':
        case 't':
            return kTreatedColours;
        default:
            return 0;
    }
}

void Click(win::HWND hwnd, win::LPARAM lParam, bool copy) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    const int x = static_cast<int>(lParam & 0xFFFF);
    const int y = client.bottom - static_cast<int>((lParam >> 16) & 0xFFFF);
    int points[kGraphPoints];
    const int hits = HitPoints(x, y, points);
    const uint32_t kind = graphProfileKind;
    for (int h = 0; h < hits; ++h) {
        const int k = points[h];
        if (!copy) {
            const ClickText t = ValueClickText(static_cast<int>(kind), k);
            if (resultStatus.productSelected != 0) {
                if (win::MessageBox(hwnd, t.message.c_str(), t.caption.c_str(),
                                    win::MB_YESNO | win::MB_ICONINFORMATION) == win::IDYES)
                    (void)ShowLimitsSummary(0, k, k);
            } else {
                (void)win::MessageBox(hwnd, t.message.c_str(), t.caption.c_str(),
                                      win::MB_OK | win::MB_ICONINFORMATION);
            }
        } else {
            const ClickText t = CopyPointAnalysis(static_cast<int>(kind), k);
            (void)win::MessageBox(hwnd, t.message.c_str(), t.caption.c_str(),
                                  win::MB_OK | win::MB_ICONINFORMATION);
        }
    }
}

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

win::LRESULT TwoDGraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                              win::LPARAM lParam) {
    switch (msg) {
        case win::WM_CREATE:
            twoDGraphState.productAtPaint = resultStatus.productSelected;
            twoDGraphState.graphCount = CountCodes();
            LayTwoDGraphAxis(static_cast<int>(graphProfileKind), false);
            break;
        case win::WM_SIZE:
            if (wParam == win::SIZE_RESTORED) {
                win::InvalidateRect(hwnd, nullptr, win::TRUE);
                win::UpdateWindow(hwnd);
            }
            break;
        case win::WM_SETFOCUS:
            SetTreatedText(hwnd);
            break;
        case win::WM_PAINT: {
            win::PAINTSTRUCT ps;
            win::HDC dc = win::BeginPaint(hwnd, &ps);
            RecalculateIfStale(graphProfileKind, hwnd, false);
            graphOutputFlags.renderTarget = RenderTarget::kScreen;
            DrawTwoDGraph(dc, hwnd);
            win::EndPaint(hwnd, &ps);
            return 0;
        }
        case win::WM_SYSKEYDOWN: {
            const int id = AltCommand(wParam);
            if (id != 0) win::SendMessage(hwnd, win::WM_COMMAND, static_cast<win::WPARAM>(id), 0);
            break;
        }
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
        case win::WM_LBUTTONDBLCLK:
            Close(hwnd);
            return 0;
        case win::WM_CLOSE:
            // The system close is the window's own CLOSE.
            Close(hwnd);
            return 0;
        case win::WM_DESTROY:
            // However the window ends, the slot no longer holds it.
            ReleaseGraphSlot(hwnd);
            break;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

void RefreshTwoDGraphWindow(win::HWND window) {
    // The window already open shows the graph now asked for: its axis and chart
    // count as a new window would have them, painted afresh.
    twoDGraphState.graphCount = CountCodes();
    LayTwoDGraphAxis(static_cast<int>(graphProfileKind), false);
    win::InvalidateRect(window, nullptr, win::TRUE);
}
