// A graph window's picture on the printer.
#include "graphs/window/graph_picture_print.h"

#include "graphs/graph_output_records.h"
#include "graphs/window/graph_picture_export.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/print/print_image.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

// The image print asks this whether the user cancelled the job.
int32_t JobCancelled(int32_t) {
    return printJobState.printAborted != 0 ? 1 : 0;
}

}  // namespace

win::RECT GraphPictureRectangle(int widthMils, int heightMils, int logPixelsX, int logPixelsY) {
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

void PrintGraphPicture(win::HWND window, win::HDC printer, void (*paint)(win::HDC, win::HWND)) {
    GraphOutputFlags& f = graphOutputFlags;
    f.renderTarget = RenderTarget::kBitmap;
    f.exportingGraph = 1;
    f.printingGraph = 0;
    {
        win::HDC dc = win::GetDC(window);
        paint(dc, window);
        win::ReleaseDC(window, dc);
    }
    ImageDesc image;
    const bool captured = CaptureGraphWindow(window, nullptr, 1, &image) == IMG_OK;
    const int widthMils =
        static_cast<int>(win::GetDeviceCaps(printer, win::HORZSIZE) * 1000 / 25.4);
    const int heightMils =
        static_cast<int>(win::GetDeviceCaps(printer, win::VERTSIZE) * 1000 / 25.4);
    const win::RECT mils =
        GraphPictureRectangle(widthMils, heightMils, win::GetDeviceCaps(printer, win::LOGPIXELSX),
                              win::GetDeviceCaps(printer, win::LOGPIXELSY));
    StartPrintAbort(window, mainWindowState.instance);
    win::ShowWindow(window, win::SW_HIDE);
    win::UpdateWindow(window);
    if (captured) {
        (void)PrintImage(window, printer, 0, &image, &mils, 0, JobCancelled);
        (void)FreeImage(&image);
    }
    f.exportingGraph = 0;
    f.printingGraph = 0;
}

bool ChoosePrintColour(win::HDC printer) {
    GraphOutputFlags& f = graphOutputFlags;
    const int colours = win::GetDeviceCaps(printer, win::NUMCOLORS);
    const bool colour = colours > 2 || colours == -1;
    f.printColorAvailable = colour ? 1 : 0;
    f.colorNow = colour && f.printColor == 1 ? 1 : 0;
    return colour;
}
