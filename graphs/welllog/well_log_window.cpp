// The well-log summary graph window's procedure and menu switches.
#include "graphs/welllog/well_log_window.h"

#include <algorithm>

#include "engine/records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/welllog/well_log_clicks.h"
#include "graphs/welllog/well_log_graph_records.h"
#include "graphs/welllog/well_summary_graph.h"
#include "graphs/window/graph_slot.h"
#include "graphs/window/two_d_window.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "scenarios/wells/well_profiles.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/records.h"
#include "shell/whatif/whatif_command_records.h"
#include "treatment/graphs/choose_graphs.h"
#include "treatment/limits/limits_summary.h"
#include "treatment/product/select_product.h"

namespace {

using namespace TwoDGraphCommand;

constexpr int kMostHits = kWellSummaryPanels * kWellSummaryStations;

void SetItem(win::HWND hwnd, int id, const char* text) {
    win::HMENU menu = win::GetMenu(hwnd);
    if (menu == nullptr) return;
    win::ModifyMenu(menu, static_cast<win::UINT>(id), win::MF_BYCOMMAND | win::MF_STRING,
                    static_cast<std::uintptr_t>(id), text);
}

void SetTreatedText(win::HWND hwnd) {
    SetItem(hwnd, kTreatedColours,
            graphOutputFlags.treatedColorCoding != 0
                ? " &UNTREATED COLOR CODING\t(Currently Treated)"
                : " &TREATED COLOR CODING\t(Currently Untreated)");
}

void PaintNow(win::HWND hwnd) {
    win::HDC dc = win::GetDC(hwnd);
    (void)DrawWellLogSummaryGraph(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
}

void Close() {
    if (mainWindowState.graphWindowOpen != 0) win::DestroyWindow(mainWindowState.graphWindow);
    mainWindowState.graphWindowOpen = 0;
    win::HWND main = mainWindowState.mainWindow;
    if (main != nullptr) {
        win::SetActiveWindow(main);
        win::ShowWindow(main, win::SW_SHOWMAXIMIZED);
        win::UpdateWindow(main);
    }
}

bool Switch(win::HWND hwnd, int id) {
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
            f.hatchPatterns = f.hatchPatterns == 0 ? 1 : 0;
            SetItem(hwnd, id,
                    f.hatchPatterns != 0 ? " USE SOLID PATTERNS\t(Currently &Hatch Patterns)"
                                         : " USE &HATCH PATTERNS\t(Currently Solid Patterns)");
            PaintNow(hwnd);
            break;
        default:
            return false;
    }
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    return true;
}

void ChooseProduct(win::HWND hwnd) {
    (void)OpenSelectProduct(hwnd);
    win::SetFocus(hwnd);
    if (resultStatus.productChosen != 0) {
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        KeepWellLogProfileCurrent(true);
    }
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::UpdateWindow(hwnd);
}

// The chosen codes become the panels; the entries past them name none.
void ChooseGraphs(win::HWND hwnd) {
    const int count = ShowChooseGraphsDialog(hwnd);
    win::SetFocus(hwnd);
    if (count > 0) {
        const int chosen = std::clamp<int>(graphChoice.count, 0, kMostChosenGraphs);
        for (int k = 0; k < kWellLogSummaryGraphCount; ++k)
            wellLogSummaryGraphCodes[k] = k < chosen ? graphChoice.codes[k] : int16_t{-1};
    }
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    KeepWellLogProfileCurrent(true);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

void Command(win::HWND hwnd, win::WPARAM id) {
    switch (id) {
        case kCopy:
            CopyWellLogSummaryGraph(hwnd);
            break;
        case kPrint:
            PrintWellLogSummaryGraph(hwnd);
            break;
        case kClose:
            Close();
            break;
        case kChooseGraphs:
            ChooseGraphs(hwnd);
            break;
        case kChooseProduct:
            ChooseProduct(hwnd);
            break;
        case kChangeRange:
            // No range to change: the graph is painted afresh.
            PaintNow(hwnd);
            break;
        default:
            if (id <= 0xFFFF) (void)Switch(hwnd, static_cast<int>(id));
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

// Every bar under the point, in every panel, answered in turn.
void Click(win::HWND hwnd, win::LPARAM lParam, bool copy) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    const int x = static_cast<int>(lParam & 0xFFFF);
    const int y = client.bottom - static_cast<int>((lParam >> 16) & 0xFFFF);
    static StationHit hits[kMostHits];
    const int count = HitStations(x, y, hits, kMostHits);
    for (int h = 0; h < count; ++h) {
        if (copy) {
            const StationClickText t = CopyStationAnalysis(hits[h].station);
            (void)win::MessageBox(hwnd, t.message.c_str(), t.caption.c_str(),
                                  win::MB_OK | win::MB_ICONINFORMATION);
            continue;
        }
        const StationClickText t = StationValueText(hits[h]);
        if (resultStatus.productSelected == 0) {
            (void)win::MessageBox(hwnd, t.message.c_str(), t.caption.c_str(),
                                  win::MB_OK | win::MB_ICONINFORMATION);
        } else if (win::MessageBox(hwnd, t.message.c_str(), t.caption.c_str(),
                                   win::MB_YESNO | win::MB_ICONINFORMATION) == win::IDYES) {
            // Kind 0 is the profile on show: the 48-interval profile's station.
            (void)ShowLimitsSummary(0, hits[h].station, hits[h].station);
        }
    }
}

}  // namespace

void KeepWellLogProfileCurrent(bool afterCommand) {
    if (graphProfileKind != GraphProfileKind::kWellLog48) return;
    if (afterCommand && wellLogSpecsEntered == 0) return;
    const int32_t product = resultStatus.productSelected;
    if (resultStatus.wellLogSummaryStale != 0 || wellLogProductAtCalc != product) {
        CalcWellLogProfile48(mainWindowState.mainWindow);
        resultStatus.wellLogSummaryStale = 0;
    }
    wellLogProductAtCalc = product;
}

win::LRESULT WellLogSummaryGraphWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                        win::LPARAM lParam) {
    switch (msg) {
        case win::WM_CREATE:
            wellLogProductAtCalc = resultStatus.productSelected;
            PrepareWellSummaryAxis();
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
            KeepWellLogProfileCurrent(false);
            graphOutputFlags.renderTarget = RenderTarget::kScreen;
            (void)DrawWellLogSummaryGraph(dc, hwnd);
            win::EndPaint(hwnd, &ps);
            return 0;
        }
        case win::WM_SYSKEYDOWN: {
            const int id = AltCommand(wParam);
            if (id != 0) win::SendMessage(hwnd, win::WM_COMMAND, static_cast<win::WPARAM>(id), 0);
            break;
        }
        case win::WM_COMMAND:
            if (wParam == kExportImage) return ExportWellLogSummaryGraph(hwnd);
            Command(hwnd, wParam);
            break;
        case win::WM_LBUTTONDOWN:
        case win::WM_RBUTTONDOWN:
            Click(hwnd, lParam, msg == win::WM_RBUTTONDOWN);
            return 1;
        case win::WM_LBUTTONDBLCLK:
        case win::WM_CLOSE:
            Close();
            return 0;
        case win::WM_DESTROY:
            ReleaseGraphSlot(hwnd);
            break;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}
