// COPY and EXPORT IMAGE of the 2D graph window: the graph painted into the
// window as a picture, copied onto a white bitmap and captured as an image for
// the clipboard or a file.
#include "graphs/graph_output_records.h"
#include "graphs/twod/bar_graph.h"
#include "graphs/window/graph_picture_export.h"
#include "graphs/window/two_d_window.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/frame/image_alloc.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

namespace {

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
    win::HDC dc = win::GetDC(hwnd);
    DrawTwoDGraph(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

constexpr GraphPictureDescriptor kTwoDExport{
    BeginExport,   nullptr,      "Error: Cannot open image file", DrawTwoDGraph, true,
    AbandonExport, FinishExport,
};

}  // namespace

void CopyTwoDGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    f.printingGraph = 0;
    f.exportingGraph = 1;
    f.renderTarget = RenderTarget::kBitmap;
    f.colorNow = f.exportColor;
    ImageDesc image;
    if (CaptureGraphWindow(hwnd, DrawTwoDGraph, 0, &image) == IMG_OK) {
        (void)CopyImageToClipboard(hwnd, &image);
        (void)FreeImage(&image);
    }
    BackToScreen();
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

int ExportTwoDGraph(win::HWND hwnd) {
    return GraphPictureExport(hwnd, kTwoDExport);
}
