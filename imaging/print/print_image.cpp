// The image print: bounds, documents, the abort procedure, the direct path
// and the frame.
#include "imaging/print/print_image.h"

#include <algorithm>

#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "imaging/print/print_image_internal.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "platform/window/window_unicode.h"

namespace {

constexpr int kDocNameChars = 80;

// The rectangle in thousandths of an inch turned into device pixels; the
// driver is told the bounds.
void SetPrintBounds(win::HDC printer, const win::RECT& r, ImagePrintState& s) {
    const int64_t dpiX = win::GetDeviceCaps(printer, win::LOGPIXELSX);
    const int64_t dpiY = win::GetDeviceCaps(printer, win::LOGPIXELSY);
    s.left = static_cast<int32_t>(r.left * dpiX / 1000);
    s.top = static_cast<int32_t>(r.top * dpiY / 1000);
    s.width = static_cast<int32_t>((static_cast<int64_t>(r.right) - r.left + 1) * dpiX / 1000);
    s.height = static_cast<int32_t>((static_cast<int64_t>(r.bottom) - r.top + 1) * dpiY / 1000);
    s.right = s.left + s.width - 1;
    s.bottom = s.top + s.height - 1;
    const win::LONG bounds[4] = {s.left, s.top, s.right, s.bottom};
    (void)win::Escape(printer, win::SET_BOUNDS, sizeof bounds, bounds, nullptr);
}

bool BoundsUsable(win::HDC printer, const ImagePrintState& s, int32_t frameWidth) {
    if (s.width <= 0 || s.height <= 0) return false;
    if (frameWidth > s.width || frameWidth > s.height) return false;
    return static_cast<int64_t>(s.left) + s.width <= win::GetDeviceCaps(printer, win::HORZRES) &&
           static_cast<int64_t>(s.top) + s.height <= win::GetDeviceCaps(printer, win::VERTRES);
}

int32_t PrintImageCore(const ImagePrintJob& job, int32_t halftoneMode, ImageDesc* image,
                       const win::RECT* rectangle, ImagePrintCallback callback) {
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    if (rectangle == nullptr || job.printer == nullptr) return IMG_BAD_ARGUMENT;
    ImageLock lock(kPrintLock);
    ImagePrintState& s = imagePrintState;
    SetPrintBounds(job.printer, *rectangle, s);
    if (!BoundsUsable(job.printer, s, job.frameWidth)) return IMG_BAD_ARGUMENT;
    s.progress = 0;
    s.aborted = 0;
    s.callback = callback;
    if (image->header->biBitCount == 8 && halftoneMode != kHalftoneNone)
        return PrintImageHalftone(job, image, halftoneMode);
    return PrintImageDirect(job, image);
}

}  // namespace

win::BOOL ImagePrintAbortProc(win::HDC, int) {
    ImagePrintState& s = imagePrintState;
    if (s.callback != nullptr) {
        s.aborted = s.callback(s.progress) != 0 ? 1 : 0;
        if (s.progress < 10) ++s.progress;
    }
    win::MSG msg;
    while (win::PeekMessageA(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        win::TranslateMessage(&msg);
        win::DispatchMessageA(&msg);
    }
    return s.aborted == 0 ? win::TRUE : win::FALSE;
}

int32_t StartPrintDoc(const ImagePrintJob& job) {
    // The platform's windows are never Unicode, so the title is read as ANSI.
    char name[kDocNameChars + 1] = {};
    if (job.window != nullptr && !win::IsWindowUnicode(job.window))
        (void)win::GetWindowTextA(job.window, name, kDocNameChars);
    win::DOCINFOA doc;
    doc.cbSize = 20;
    doc.lpszDocName = name;
    if (win::StartDocA(job.printer, &doc) < 1) return IMG_STARTDOC_FAILED;
    return win::StartPage(job.printer) > 0 ? IMG_OK : IMG_STARTDOC_FAILED;
}

void EndPrintDoc(win::HDC printer, bool success) {
    if (!success) {
        win::AbortDoc(printer);
        return;
    }
    if (win::EndPage(printer) > 0) win::EndDoc(printer);
}

void DrawPrintFrame(win::HDC printer, int32_t frameWidth) {
    const ImagePrintState& s = imagePrintState;
    win::HPEN pen = win::CreatePen(win::PS_INSIDEFRAME, frameWidth, win::RGB(0, 0, 0));
    win::HGDIOBJ oldPen = win::SelectObject(printer, pen);
    win::HGDIOBJ oldBrush = win::SelectObject(printer, win::GetStockObject(win::NULL_BRUSH));
    win::Rectangle(printer, s.left, s.top, s.right + 1, s.bottom + 1);
    win::SelectObject(printer, oldBrush);
    win::SelectObject(printer, oldPen);
    win::DeleteObject(pen);
}

int32_t PrintImageDirect(const ImagePrintJob& job, ImageDesc* image) {
    const ImagePrintState& s = imagePrintState;
    win::SetAbortProc(job.printer, ImagePrintAbortProc);
    if (job.ownDocument) {
        const int32_t status = StartPrintDoc(job);
        if (status != IMG_OK) return status;
    }
    const win::BITMAPINFOHEADER* h = image->header;
    win::SetStretchBltMode(job.printer, h->biBitCount == 1 ? win::BLACKONWHITE : win::COLORONCOLOR);
    (void)ImagePrintAbortProc(job.printer, 0);
    if (s.aborted == 0) {
        win::StretchDIBits(job.printer, s.left, s.top, s.width, s.height, image->startX,
                           h->biHeight - image->endY - 1, RectWidth(*image), RectHeight(*image),
                           image->bits, reinterpret_cast<const win::BITMAPINFO*>(h),
                           win::DIB_RGB_COLORS, win::SRCCOPY);
        if (job.frameWidth != 0) DrawPrintFrame(job.printer, job.frameWidth);
    }
    if (job.ownDocument) EndPrintDoc(job.printer, s.aborted == 0);
    return IMG_OK;
}

int32_t PrintImage(win::HWND window, win::HDC printer, int32_t halftoneMode, ImageDesc* image,
                   const win::RECT* rectangle, int32_t frameWidth, ImagePrintCallback callback) {
    return PrintImageCore(ImagePrintJob{window, printer, true, frameWidth}, halftoneMode, image,
                          rectangle, callback);
}

int32_t PrintImageOnPage(win::HWND window, win::HDC printer, int32_t halftoneMode, ImageDesc* image,
                         const win::RECT* rectangle, int32_t frameWidth,
                         ImagePrintCallback callback) {
    return PrintImageCore(ImagePrintJob{window, printer, false, frameWidth}, halftoneMode, image,
                          rectangle, callback);
}
