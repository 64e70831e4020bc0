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
#include "graphs/window/graph_window_steps.h"
#include "graphs/window/two_d_family.h"
#include "graphs/window/two_d_window.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "scenarios/wells/well_profiles.h"
#include "shell/mainwindow/well_log_records.h"
#include "shell/records.h"
#include "shell/whatif/whatif_command_records.h"
#include "treatment/graphs/choose_graphs.h"
#include "treatment/product/select_product.h"

namespace {

using namespace TwoDGraphCommand;

constexpr int kMostHits = kWellSummaryPanels * kWellSummaryStations;

void Paint(win::HDC dc, win::HWND hwnd) {
    (void)DrawWellLogSummaryGraph(dc, hwnd);
}

void PaintNow(win::HWND hwnd) {
    PaintGraphNow(hwnd, Paint);
}

constexpr GraphPictureDescriptor kExport = TwoDFamilyExport<Paint>();

void ChooseProduct(win::HWND hwnd) {
    (void)OpenSelectProduct(hwnd);
    win::SetFocus(hwnd);
    if (resultStatus.productChosen != 0) {
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        KeepWellLogProfileCurrent(true);
    }
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::UpdateWindow(hwnd);
    // The profile's progress window took the keyboard to the main window.
    win::SetActiveWindow(hwnd);
    win::SetFocus(hwnd);
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
            CopyTwoDFamilyGraph(hwnd, Paint);
            break;
        case kPrint:
            PrintWellLogSummaryGraph(hwnd);
            break;
        case kClose:
            CloseSlotGraphWindow(hwnd);
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
            // The switches; this window sets their texts and leaves them enabled or not.
            if (id <= 0xFFFF) (void)SwitchTwoDFamilyItem(hwnd, static_cast<int>(id), Paint, false);
            break;
    }
}

// Every bar under the point, in every panel, answered in turn.
void Click(win::HWND hwnd, win::LPARAM lParam, bool copy) {
    const win::POINT at = GraphClickPoint(hwnd, lParam);
    static StationHit hits[kMostHits];
    const int count = HitStations(at.x, at.y, hits, kMostHits);
    for (int h = 0; h < count; ++h) {
        const int station = hits[h].station;
        const StationClickText t = copy ? CopyStationAnalysis(station) : StationValueText(hits[h]);
        // The limits are those of the profile on show (kind 0): the
        // 48-interval profile's station.
        if (copy)
            ShowClickBox(hwnd, t.caption.c_str(), t.message.c_str());
        else
            AnswerValueClick(hwnd, t.caption.c_str(), t.message.c_str(), station);
    }
}

void KeepCurrentForPaint(win::HWND) {
    KeepWellLogProfileCurrent(false);
}

constexpr GraphWindowTraits kTraits{KeepCurrentForPaint, Paint, TwoDFamilyAltCommand,
                                    CloseSlotGraphWindow};

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
        case win::WM_SETFOCUS:
            SetTreatedColourText(hwnd, false);
            break;
        case win::WM_COMMAND:
            if (wParam == kExportImage) return GraphPictureExport(hwnd, kExport);
            Command(hwnd, wParam);
            break;
        case win::WM_LBUTTONDOWN:
        case win::WM_RBUTTONDOWN:
            Click(hwnd, lParam, msg == win::WM_RBUTTONDOWN);
            return 1;
        default:
            return AnswerGraphMessage(hwnd, msg, wParam, lParam, kTraits);
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}
