// COPY, EXPORT IMAGE and PRINT of the pH-alkalinity graph window: the picture
// painted into the window in paper style, copied onto a white bitmap and
// captured for the clipboard, a picture file or a printed picture; or painted
// straight into the printer's page.
#include <cstdlib>

#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/alkcurve/alk_graph_window.h"
#include "graphs/alkcurve/draw_alk_curve.h"
#include "graphs/graph_output_records.h"
#include "graphs/window/graph_picture_export.h"
#include "graphs/window/graph_picture_print.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/print/print_image.h"
#include "platform/dialogs/message_box.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

constexpr char kDocumentName[] = "Printing Tarvex Graph";
constexpr uint32_t kPackBits = 2;

void Paint(win::HDC dc, win::HWND hwnd) {
    (void)DrawAlkCurve(dc, hwnd);
}

void PaperStyle() {
    alkGraphState.paperStyle = 1;
    alkGraphState.printing = 0;
}

void BackToScreen(win::HWND hwnd) {
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    alkGraphState.paperStyle = 0;
    alkGraphState.printing = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

// The export of this window: its own warning, PackBits TIFF, and 256-colour
// BMP, PCX and TIFF files of a deeper picture.
constexpr GraphPictureDescriptor kAlkExport{
    PaperStyle,   nullptr,   "Error: Cannot open alk_image file",
    Paint,        true,      BackToScreen,
    BackToScreen, kPackBits, true,
};

// The captured picture, the 8-bit copy of a deeper one, on the clipboard.
// The image library's failures are reported with the export's texts.
void CopyImage(win::HWND hwnd, ImageDesc* image) {
    if (image->header == nullptr || image->header->biBitCount <= 8) {
        (void)CopyImageToClipboard(hwnd, image);
        return;
    }
    ImageDesc reduced;
    if (AllocImage(&reduced, image->header->biWidth, std::abs(image->header->biHeight), 8) !=
        IMG_OK) {
        (void)win::MessageBox(
            hwnd, "I'm sorry. A memory error occurred while processing the image. File not saved!",
            "MEMORY ERROR", win::MB_OK | win::MB_ICONINFORMATION);
        return;
    }
    if (ReduceColors(256, image, &reduced) != IMG_OK)
        (void)win::MessageBox(
            hwnd, "I'm sorry. An error occurred while processing the image. File not saved!",
            "IMAGE ERROR", win::MB_OK | win::MB_ICONINFORMATION);
    else
        (void)CopyImageToClipboard(hwnd, &reduced);
    (void)FreeImage(&reduced);
}

}  // namespace

void CopyAlkGraph(win::HWND hwnd) {
    PaperStyle();
    ImageDesc image;
    if (CaptureGraphWindow(hwnd, Paint, 0, &image) == IMG_OK) {
        CopyImage(hwnd, &image);
        (void)FreeImage(&image);
    } else {
        (void)win::MessageBox(
            hwnd, "I'm sorry. An error occurred while processing the image. File not saved!",
            "IMAGE ERROR", win::MB_OK | win::MB_ICONINFORMATION);
    }
    alkGraphState.paperStyle = 0;
    alkGraphState.printing = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

int ExportAlkGraph(win::HWND hwnd) {
    const int result = GraphPictureExport(hwnd, kAlkExport);
    return result == GraphExportResult::kDone ? -1 : result;
}

void PrintAlkGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    PrintJobState& job = printJobState;
    f.renderTarget = RenderTarget::kPrinter;
    win::EnableWindow(hwnd, win::FALSE);
    win::HDC printer = BeginPrintJob();
    if (job.printAborted != 0 || printer == nullptr) {
        f.renderTarget = RenderTarget::kScreen;
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        win::EnableWindow(hwnd, win::TRUE);
        win::SetFocus(hwnd);
        job.printAborted = 0;
        return;
    }
    job.docInfo = win::DOCINFOA{};
    job.docInfo.cbSize = static_cast<int>(sizeof(win::DOCINFOA));
    job.docInfo.lpszDocName = kDocumentName;
    alkGraphState.printerWidth = win::GetDeviceCaps(printer, win::HORZRES);
    alkGraphState.printerHeight = win::GetDeviceCaps(printer, win::VERTRES);
    const int colours = win::GetDeviceCaps(printer, win::NUMCOLORS);
    f.colorNow = f.printColor = (colours > 2 || colours == -1) ? 1 : 0;

    const int version = win::GetDeviceCaps(printer, win::DRIVERVERSION);
    if (job.printMode == 0 && (version >= 0x030A || version == 0x0100)) {
        f.renderTarget = RenderTarget::kPrinter;
        StartPrintAbort(hwnd, mainWindowState.instance);
        if (CheckedStartDoc()) {
            job.documentOpen = 1;
            if (CheckedStartPage()) {
                DrawAlkCurve(printer, hwnd);
                (void)CheckedEndPage();
            }
        }
        f.renderTarget = RenderTarget::kScreen;
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        (void)EndPrintJob(hwnd, mainWindowState.instance);
    } else {
        // Through a picture of the window, a document of its own.
        alkGraphState.paperStyle = 1;
        f.renderTarget = RenderTarget::kBitmap;
        alkGraphState.printing = 0;
        ImageDesc image;
        const bool captured = CaptureGraphWindow(hwnd, Paint, 1, &image) == IMG_OK;
        const int widthMils =
            static_cast<int>(win::GetDeviceCaps(printer, win::HORZSIZE) * 1000 / 25.4);
        const int heightMils =
            static_cast<int>(win::GetDeviceCaps(printer, win::VERTSIZE) * 1000 / 25.4);
        const win::RECT mils = GraphPictureRectangle(widthMils, heightMils,
                                                     win::GetDeviceCaps(printer, win::LOGPIXELSX),
                                                     win::GetDeviceCaps(printer, win::LOGPIXELSY));
        StartPrintAbort(hwnd, mainWindowState.instance);
        if (captured) {
            (void)PrintImage(hwnd, printer, 0, &image, &mils, 0, nullptr);
            (void)FreeImage(&image);
        }
        f.renderTarget = RenderTarget::kScreen;
        alkGraphState.paperStyle = 0;
        alkGraphState.printing = 0;
        (void)EndPrintJobAfterItsDocument(hwnd, mainWindowState.instance);
    }
    job.documentOpen = 0;
    // The job is over, failed or not: the next one starts clean.
    job.printAborted = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::EnableWindow(hwnd, win::TRUE);
    win::SetFocus(hwnd);
}
