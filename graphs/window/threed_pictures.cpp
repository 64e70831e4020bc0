// PRINT, COPY, EXPORT IMAGE and EXPORT DATA of the 3D graph window.
#include "graphs/graph_output_records.h"
#include "graphs/threed/draw_3d_graph.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/window/graph_picture_export.h"
#include "graphs/window/graph_picture_print.h"
#include "graphs/window/graph_window_steps.h"
#include "graphs/window/threed_window.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/frame/image_alloc.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/page/page_setup.h"
#include "printing/page/report_page_order.h"
#include "printing/print_job_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/records.h"

namespace {

void Paint(win::HDC dc, win::HWND hwnd) {
    (void)Draw3DGraph(dc, hwnd);
}

void PaintNow(win::HWND hwnd) {
    PaintGraphNow(hwnd, Paint);
}

void BeginExport() {
    paintingForPrinter = 0;
    exportingImage = 1;
}

// Styles above 2 ask for no file.
bool NoStyleToExport() {
    return displaySettings.threeDPlotStyle > 2;
}

void AbandonExport(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    exportingImage = 0;
    f.colorNow = f.displayColor;
    f.renderTarget = RenderTarget::kScreen;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

void FinishExport(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    f.colorNow = f.displayColor;
    f.renderTarget = RenderTarget::kScreen;
    exportingImage = 0;
    PaintNow(hwnd);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

constexpr GraphPictureDescriptor kThreeDExport{
    BeginExport,   NoStyleToExport, "Error: Cannot open BMP file", Paint, false,
    AbandonExport, FinishExport,
};

// The window back as the user had it after a print.
void RestoreAfterPrint(win::HWND hwnd, const win::RECT& kept) {
    win::SetFocus(hwnd);  // the focus rewrites the menu texts
    win::EnableWindow(hwnd, win::TRUE);
    ShowGraphWindowAfterPrint(hwnd, kept);
}

}  // namespace

int PrintThreeDGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    PrintJobState& job = printJobState;
    win::RECT desk{};
    win::GetClientRect(win::GetDesktopWindow(), &desk);
    win::RECT kept{};
    win::GetWindowRect(hwnd, &kept);
    win::MoveWindow(hwnd, 0, 0, desk.right - desk.left,
                    static_cast<int>(0.95 * (desk.bottom - desk.top)), win::TRUE);
    win::EnableWindow(hwnd, win::FALSE);
    f.renderTarget = RenderTarget::kPrinter;

    const win::HWND main = mainWindowState.mainWindow;
    const int16_t keptColorNow = f.colorNow;
    if (job.documentOpen == 0) {
        const win::HDC printer = BeginPrintJob();
        if (printer == nullptr || job.printAborted != 0) {
            // A cancelled dialog leaves the window where the user had it.
            job.printAborted = 0;
            f.renderTarget = RenderTarget::kScreen;
            RestoreAfterPrint(hwnd, kept);
            return 1;
        }
        job.docInfo = win::DOCINFOA{};
        job.docInfo.cbSize = static_cast<int>(sizeof(win::DOCINFOA));
        job.docInfo.lpszDocName = " ";
        StartPrintAbort(main, mainWindowState.instance);
        if (CheckedStartDoc()) job.documentOpen = 1;
        job.pageMetrics.horzRes = win::GetDeviceCaps(printer, win::HORZRES);
        job.pageMetrics.vertRes = win::GetDeviceCaps(printer, win::VERTRES);
        // Only a printer without colour turns the user's choice to grey.
        if (!ChoosePrintColour(printer)) f.printColor = 0;
    }
    win::ShowWindow(hwnd, win::SW_HIDE);
    win::UpdateWindow(hwnd);
    if (job.documentOpen != 0 && job.printAborted == 0 && CheckedStartPage()) {
        NameReportFile(job.printerDC, graphTitle);  // the PDF is named after the graph
        f.renderTarget = RenderTarget::kPrinter;
        Paint(job.printerDC, hwnd);
        f.renderTarget = RenderTarget::kScreen;
        (void)CheckedEndPage();
    }
    ReleaseReportFont();
    (void)EndPrintJob(main, mainWindowState.instance);
    f.colorNow = keptColorNow;
    f.renderTarget = RenderTarget::kScreen;
    job.documentOpen = 0;
    // The job is over, failed or not: the next one starts clean.
    job.printAborted = 0;
    RestoreAfterPrint(hwnd, kept);
    return 1;
}

void CopyThreeDGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    f.renderTarget = RenderTarget::kBitmap;
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    graphWidth = client.right - client.left;
    graphHeight = client.bottom - client.top;
    ImageDesc image;
    if (CaptureGraphWindow(hwnd, Paint, 0, &image) == IMG_OK) {
        (void)CopyImageToClipboard(hwnd, &image);
        (void)FreeImage(&image);
    }
    f.renderTarget = RenderTarget::kScreen;
}

int ExportThreeDGraph(win::HWND hwnd) {
    const int result = GraphPictureExport(hwnd, kThreeDExport);
    return result == GraphExportResult::kDone ? 0 : result;
}

void ExportThreeDData(win::HWND hwnd) {
    // The painter writes the data file at the end of this paint.
    exportDataAfterPaint = 1;
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    PaintNow(hwnd);
    exportDataAfterPaint = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}
