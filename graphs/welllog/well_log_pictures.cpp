// COPY, EXPORT IMAGE and PRINT of the well-log summary graph window: the
// shared picture export and picture print of the graph windows, with the
// well-log painter and the window's own document name.
#include "graphs/graph_output_records.h"
#include "graphs/welllog/well_log_window.h"
#include "graphs/welllog/well_summary_graph.h"
#include "graphs/window/graph_picture_export.h"
#include "graphs/window/graph_picture_print.h"
#include "graphs/window/two_d_window.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/frame/image_alloc.h"
#include "platform/gdi/gdi.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

constexpr char kDocumentName[] = "Printing Well Log Summary Graph";

void Paint(win::HDC dc, win::HWND hwnd) {
    (void)DrawWellLogSummaryGraph(dc, hwnd);
}

void PaintWindow(win::HWND hwnd) {
    win::HDC dc = win::GetDC(hwnd);
    Paint(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
}

void BackToScreen() {
    GraphOutputFlags& f = graphOutputFlags;
    f.colorNow = f.displayColor;
    f.renderTarget = RenderTarget::kScreen;
    f.printingGraph = 0;
    f.exportingGraph = 0;
}

void BeginExport() {
    graphOutputFlags.printingGraph = 0;
    graphOutputFlags.exportingGraph = 1;
}

void AbandonExport(win::HWND hwnd) {
    BackToScreen();
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

void FinishExport(win::HWND hwnd) {
    BackToScreen();
    PaintWindow(hwnd);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

constexpr GraphPictureDescriptor kWellLogExport{
    BeginExport, nullptr, "Error: Cannot open image file", Paint, true, AbandonExport, FinishExport,
};

// Drivers of these versions draw the graph themselves; others get a picture.
bool PrintsDirectly(win::HDC printer) {
    const int version = win::GetDeviceCaps(printer, win::DRIVERVERSION);
    return printJobState.printMode == 0 && (version >= 0x30A || version == 0x100);
}

void SetPrintColourItem(win::HWND hwnd) {
    const GraphOutputFlags& f = graphOutputFlags;
    win::HMENU menu = win::GetMenu(hwnd);
    if (menu == nullptr) return;
    const win::UINT id = TwoDGraphCommand::kPrintGrey;
    const char* text = " PRINT GRAY SCALE\t(Currently Gray Scale)";
    if (f.printColorAvailable == 1)
        text = f.printColor == 1 ? " PRINT GRAY SCALE\t(Currently Color)"
                                 : " PRINT COLOR\t(Currently Gray Scale)";
    win::ModifyMenu(menu, id, win::MF_BYCOMMAND | win::MF_STRING, id, text);
    win::EnableMenuItem(
        menu, id,
        win::MF_BYCOMMAND | (f.printColorAvailable == 1 ? win::MF_ENABLED : win::MF_GRAYED));
}

void PrintDirectly(win::HWND hwnd, win::HDC printer) {
    GraphOutputFlags& f = graphOutputFlags;
    StartPrintAbort(hwnd, mainWindowState.instance);
    f.renderTarget = RenderTarget::kPrinter;
    win::ShowWindow(hwnd, win::SW_HIDE);
    win::UpdateWindow(hwnd);
    if (CheckedStartDoc()) {
        printJobState.documentOpen = 1;
        if (CheckedStartPage()) {
            Paint(printer, hwnd);
            f.renderTarget = RenderTarget::kScreen;
            (void)CheckedEndPage();
        }
    }
    f.renderTarget = RenderTarget::kScreen;
}

}  // namespace

void CopyWellLogSummaryGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    f.colorNow = f.exportColor;
    f.printingGraph = 0;
    f.exportingGraph = 1;
    f.renderTarget = RenderTarget::kBitmap;
    ImageDesc image;
    if (CaptureGraphWindow(hwnd, Paint, 0, &image) == IMG_OK) {
        (void)CopyImageToClipboard(hwnd, &image);
        (void)FreeImage(&image);
    }
    BackToScreen();
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

int ExportWellLogSummaryGraph(win::HWND hwnd) {
    return GraphPictureExport(hwnd, kWellLogExport);
}

void PrintWellLogSummaryGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    win::RECT kept{};
    win::GetWindowRect(hwnd, &kept);
    win::RECT desk{};
    win::GetClientRect(win::GetDesktopWindow(), &desk);
    win::MoveWindow(hwnd, 0, 0, desk.right, static_cast<int>(0.95 * desk.bottom), win::TRUE);
    win::EnableWindow(hwnd, win::FALSE);

    win::HDC printer = BeginPrintJob();
    if (printJobState.printAborted != 0 || printer == nullptr) {
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        win::EnableWindow(hwnd, win::TRUE);
        win::SetFocus(hwnd);
        printJobState.printAborted = 0;
        win::MoveWindow(hwnd, 0, 0, kept.right - kept.left, kept.bottom - kept.top, win::TRUE);
        return;
    }
    printJobState.docInfo = win::DOCINFOA{};
    printJobState.docInfo.cbSize = static_cast<int>(sizeof(win::DOCINFOA));
    printJobState.docInfo.lpszDocName = kDocumentName;
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
    f.printingGraph = 1;
    f.exportingGraph = 0;
    const bool direct = PrintsDirectly(printer);
    if (direct)
        PrintDirectly(hwnd, printer);
    else
        PrintGraphPicture(hwnd, printer, Paint);

    f.renderTarget = RenderTarget::kScreen;
    f.printingGraph = 0;
    f.exportingGraph = 0;
    f.colorNow = f.displayColor;
    PaintWindow(hwnd);
    f.printColor = keptPrintColor;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    // A picture print has ended its own document.
    if (direct)
        (void)EndPrintJob(hwnd, mainWindowState.instance);
    else
        (void)EndPrintJobAfterItsDocument(hwnd, mainWindowState.instance);
    printJobState.documentOpen = 0;
    win::EnableWindow(hwnd, win::TRUE);
    SetPrintColourItem(hwnd);
    win::MoveWindow(hwnd, 0, 0, kept.right - kept.left, kept.bottom - kept.top, win::TRUE);
    win::ShowWindow(hwnd, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(hwnd);
    win::EnableWindow(hwnd, win::TRUE);
    win::SetActiveWindow(hwnd);
    win::BringWindowToTop(hwnd);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}
