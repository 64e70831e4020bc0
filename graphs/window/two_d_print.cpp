// PRINT of the 2D graph window: the graph painted straight into the printer's
// page, or, for printers that take pictures better (indirect print mode, old
// drivers), captured from the window and printed as a picture.
#include <cmath>

#include "graphs/graph_output_records.h"
#include "graphs/twod/bar_graph.h"
#include "graphs/window/two_d_capture.h"
#include "graphs/window/two_d_window.h"
#include "imaging/frame/image_alloc.h"
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

// Prints the picture as a document of its own, named after the window's
// title, into `mils` (thousandths of an inch from the printable area's
// corner). Stops, aborting the document, as soon as the job is cancelled.
// The image library's picture printing takes this place once it exists.
void PrintPicture(win::HWND hwnd, win::HDC printer, ImageDesc* image, const win::RECT& mils) {
    char title[128] = {};
    (void)win::GetWindowText(hwnd, title, sizeof title);
    win::DOCINFOA doc{};
    doc.cbSize = static_cast<int>(sizeof doc);
    doc.lpszDocName = title;
    if (win::StartDocA(printer, &doc) <= 0) return;
    const int dpiX = win::GetDeviceCaps(printer, win::LOGPIXELSX);
    const int dpiY = win::GetDeviceCaps(printer, win::LOGPIXELSY);
    const int left = static_cast<int>(static_cast<int64_t>(mils.left) * dpiX / 1000);
    const int top = static_cast<int>(static_cast<int64_t>(mils.top) * dpiY / 1000);
    const int right = static_cast<int>(static_cast<int64_t>(mils.right) * dpiX / 1000);
    const int bottom = static_cast<int>(static_cast<int64_t>(mils.bottom) * dpiY / 1000);
    const win::BITMAPINFOHEADER* header = image->header;
    const int width = header->biWidth;
    const int height = std::abs(header->biHeight);
    if (printJobState.printAborted != 0 || win::StartPage(printer) <= 0) {
        (void)win::AbortDoc(printer);
        return;
    }
    (void)win::StretchDIBits(printer, left, top, right - left, bottom - top, 0, 0, width, height,
                             image->bits, reinterpret_cast<const win::BITMAPINFO*>(header),
                             win::DIB_RGB_COLORS, win::SRCCOPY);
    if (win::EndPage(printer) <= 0 || printJobState.printAborted != 0) {
        (void)win::AbortDoc(printer);
        return;
    }
    (void)win::EndDoc(printer);
}

// The graph captured from the window and printed as a picture, a document of
// its own that its routine ends (or aborts) itself.
void PrintAsPicture(win::HWND hwnd, win::HDC printer) {
    GraphOutputFlags& f = graphOutputFlags;
    f.renderTarget = RenderTarget::kBitmap;
    f.exportingGraph = 1;
    f.printingGraph = 0;
    PaintWindow(hwnd);
    ImageDesc image;
    const bool captured = CaptureTwoDGraph(hwnd, 1, &image) == IMG_OK;
    const int widthMils =
        static_cast<int>(win::GetDeviceCaps(printer, win::HORZSIZE) * 1000 / 25.4);
    const int heightMils =
        static_cast<int>(win::GetDeviceCaps(printer, win::VERTSIZE) * 1000 / 25.4);
    const win::RECT mils =
        TwoDPrintRectangle(widthMils, heightMils, win::GetDeviceCaps(printer, win::LOGPIXELSX),
                           win::GetDeviceCaps(printer, win::LOGPIXELSY));
    StartPrintAbort(hwnd, mainWindowState.instance);
    win::ShowWindow(hwnd, win::SW_HIDE);
    win::UpdateWindow(hwnd);
    if (captured) {
        PrintPicture(hwnd, printer, &image, mils);
        (void)FreeImage(&image);
    }
    f.exportingGraph = 0;
    f.printingGraph = 0;
}

}  // namespace

win::RECT TwoDPrintRectangle(int widthMils, int heightMils, int logPixelsX, int logPixelsY) {
    int width = widthMils;
    int height = heightMils;
    // The pixels' own shape, in floating point: 300 x 600 dpi is 0.5.
    const double r = logPixelsY > 0 ? static_cast<double>(logPixelsX) / logPixelsY : 1.0;
    if (static_cast<int>(r * height) > width * 3 / 4) {
        height = static_cast<int>(r * static_cast<int>(0.75 * width));
    } else if (width > static_cast<int>(4.0 * height * r / 3.0)) {
        width = static_cast<int>(4.0 * height * r / 3.0);
    }
    return win::RECT{0, 0, width, height};
}

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
        PrintAsPicture(hwnd, printer);

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
