// PRINT of the well-log summary graph window: the 2D-family steps with the
// well-log painter, the window's own document name, and a print that keeps
// the window's place and the user's print colour.
#include "graphs/graph_output_records.h"
#include "graphs/welllog/well_log_window.h"
#include "graphs/welllog/well_summary_graph.h"
#include "graphs/window/two_d_family.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

namespace {

constexpr char kDocumentName[] = "Printing Well Log Summary Graph";

void Paint(win::HDC dc, win::HWND hwnd) {
    (void)DrawWellLogSummaryGraph(dc, hwnd);
}

}  // namespace

void PrintWellLogSummaryGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    win::RECT kept{};
    win::GetWindowRect(hwnd, &kept);
    win::HDC printer = BeginTwoDFamilyPrint(hwnd, kDocumentName);
    if (printer == nullptr) {
        win::MoveWindow(hwnd, kept.left, kept.top, kept.right - kept.left, kept.bottom - kept.top,
                        win::TRUE);
        return;
    }
    const int16_t keptPrintColor = f.printColor;
    // A colour printer prints in colour while the user prints in colour; a
    // printer without colour prints grey.
    const int colours = win::GetDeviceCaps(printer, win::NUMCOLORS);
    if (colours > 2 || colours == -1) {
        f.printColorAvailable = 1;
        f.colorNow = f.printColor > 0 ? 1 : 0;
    } else {
        f.colorNow = 0;
        if (f.printColor > 0) f.printColor = f.printColorAvailable = 0;
    }
    const bool direct = PrintTwoDFamilyPage(hwnd, printer, Paint);
    f.printColor = keptPrintColor;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    EndTwoDFamilyPrint(hwnd, direct);
    SetPrintColourItem(hwnd);
    ShowGraphWindowAfterPrint(hwnd, kept);
}
