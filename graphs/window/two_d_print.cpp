// PRINT of the 2D graph window: the graph painted straight into the printer's
// page, or, for printers that take pictures better (indirect print mode, old
// drivers), captured from the window and printed as a picture.
#include "graphs/graph_output_records.h"
#include "graphs/twod/bar_graph.h"
#include "graphs/window/graph_picture_print.h"
#include "graphs/window/two_d_window.h"
#include "platform/gdi/gdi.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

constexpr char kDocumentName[] = "Printing Tarvex Graph";

// Drivers of these versions draw the graph themselves; others get a picture.
bool PrintsDirectly(win::HDC printer) {
    const int version = win::GetDeviceCaps(printer, win::DRIVERVERSION);
    return printJobState.printMode == 0 && (version >= 0x30A || version == 0x100);
}

void PaintWindow(win::HWND hwnd) {
    win::HDC dc = win::GetDC(hwnd);
    DrawTwoDGraph(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
}

// Puts the window back as the user had it: full screen, maximised, enabled
// and in front.
void RestoreWindow(win::HWND hwnd) {
    win::RECT whole{};
    win::GetWindowRect(win::GetDesktopWindow(), &whole);
    win::SetFocus(hwnd);
    win::MoveWindow(hwnd, 0, 0, whole.right - whole.left, whole.bottom - whole.top, win::TRUE);
    win::ShowWindow(hwnd, win::SW_SHOWMAXIMIZED);
    win::UpdateWindow(hwnd);
    win::EnableWindow(hwnd, win::TRUE);
    win::SetActiveWindow(hwnd);
    win::BringWindowToTop(hwnd);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
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

// The graph painted into the page of the open job.
void PrintDirectly(win::HWND hwnd, win::HDC printer) {
    GraphOutputFlags& f = graphOutputFlags;
    StartPrintAbort(hwnd, mainWindowState.instance);
    f.renderTarget = RenderTarget::kPrinter;
    win::ShowWindow(hwnd, win::SW_HIDE);
    win::UpdateWindow(hwnd);
    if (CheckedStartDoc()) {
        printJobState.documentOpen = 1;
        if (CheckedStartPage()) {
            DrawTwoDGraph(printer, hwnd);
            f.renderTarget = RenderTarget::kScreen;
            (void)CheckedEndPage();
        }
    }
    f.renderTarget = RenderTarget::kScreen;
}

}  // namespace

void PrintTwoDGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
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
        // A cancelled dialog leaves the window as a finished print does.
        RestoreWindow(hwnd);
        return;
    }
    printJobState.docInfo = win::DOCINFOA{};
    printJobState.docInfo.cbSize = static_cast<int>(sizeof(win::DOCINFOA));
    printJobState.docInfo.lpszDocName = kDocumentName;
    const int16_t savedColorNow = f.colorNow;
    const int16_t savedPrintColor = f.printColor;
    // Colour only on a colour printer, and there only when the user prints in
    // colour; a printer without colour prints grey.
    const int colours = win::GetDeviceCaps(printer, win::NUMCOLORS);
    if (colours > 2 || colours == -1) {
        f.printColorAvailable = 1;
        f.colorNow = f.printColor == 1 ? 1 : 0;
    } else {
        f.printColorAvailable = 0;
        f.colorNow = 0;
    }
    f.printingGraph = 1;
    f.exportingGraph = 0;
    const bool direct = PrintsDirectly(printer);
    if (direct)
        PrintDirectly(hwnd, printer);
    else
        PrintGraphPicture(hwnd, printer, DrawTwoDGraph);

    f.renderTarget = RenderTarget::kScreen;
    f.printingGraph = 0;
    f.exportingGraph = 0;
    f.colorNow = f.displayColor;
    PaintWindow(hwnd);
    f.colorNow = savedColorNow;
    f.printColor = savedPrintColor;
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    // A picture print has ended its own document.
    if (direct)
        (void)EndPrintJob(hwnd, mainWindowState.instance);
    else
        (void)EndPrintJobAfterItsDocument(hwnd, mainWindowState.instance);
    printJobState.documentOpen = 0;
    win::EnableWindow(hwnd, win::TRUE);
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    f.colorNow = f.displayColor;
    SetPrintColourItem(hwnd);
    RestoreWindow(hwnd);
}
