// The logo: measured at set-up, scaled to a band of lines, and stretched onto
// the printer as a device-independent bitmap made through the screen DC.
#include "printing/page/report_logo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "printing/job/printer_dc.h"
#include "printing/page/report_page_records.h"
#include "printing/pictures/dib_routines.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

win::HBITMAP LoadLogo(win::HDC printer) {
    const int id = PrinterHasColours(printer) ? kLogoColour : kLogoMono;
    return win::LoadBitmapA(mainWindowState.instance, id);
}

bool BitmapSize(win::HBITMAP bitmap, win::BITMAP* info) {
    return bitmap != nullptr && win::GetObjectA(bitmap, sizeof *info, info) != 0;
}

// The logo scaled to fit a box `boxHeight` pixels high.
void ScaleToHeight(double boxHeight) {
    ReportLogoLayout& l = reportLogoLayout;
    const double s = l.logoBitmapHeight > 0 ? boxHeight / l.logoBitmapHeight : 0.0;
    l.logoScaleX = l.logoScaleY = s;
    l.logoWidth = static_cast<int>(l.logoBitmapWidth * s);
    l.logoHeight = static_cast<int>(l.logoBitmapHeight * s);
}

// The band the identification block leaves: from logoTop to the line below the
// current one.
int BandHeight() {
    ReportLogoLayout& l = reportLogoLayout;
    l.logoBandBottom = (reportPageGrid.lineCount + 1) * reportPageGrid.lineHeight;
    return l.logoBandBottom - l.logoTop;
}

// The logo's top: centred in the band below its first line.
int BandTop(int band) {
    const ReportLogoLayout& l = reportLogoLayout;
    const int lineHeight = reportPageGrid.lineHeight;
    return l.logoTop + lineHeight + (std::abs(band) - l.logoHeight - lineHeight) / 2;
}

}  // namespace

void MeasureReportLogo(win::HDC printer) {
    ReportLogoLayout& l = reportLogoLayout;
    l.dpiX = win::GetDeviceCaps(printer, win::LOGPIXELSX);
    l.dpiY = win::GetDeviceCaps(printer, win::LOGPIXELSY);
    win::HBITMAP logo = LoadLogo(printer);
    win::BITMAP info{};
    if (!BitmapSize(logo, &info)) {
        l.logoBitmapWidth = l.logoBitmapHeight = l.logoWidth = l.logoHeight = 0;
        if (logo != nullptr) win::DeleteObject(logo);
        return;
    }
    l.logoBitmapWidth = info.bmWidth;
    l.logoBitmapHeight = info.bmHeight;
    const double s =
        std::min(l.dpiX * 1.25 / l.logoBitmapWidth, l.dpiY * 0.75 / l.logoBitmapHeight);
    l.logoWidth = static_cast<int>(l.logoBitmapWidth * s);
    l.logoHeight = static_cast<int>(l.logoBitmapHeight * s);
    win::DeleteObject(logo);
}

int ScaleReportLogo(int bandLines) {
    ReportLogoLayout& l = reportLogoLayout;
    win::HDC dc = printJobState.printerDC;
    l.dpiX = win::GetDeviceCaps(dc, win::LOGPIXELSX);
    l.dpiY = win::GetDeviceCaps(dc, win::LOGPIXELSY);
    ScaleToHeight(0.85 * (bandLines - 1) * reportPageGrid.lineHeight);
    return 0;
}

int PlaceReportLogo() {
    const int band = BandHeight();
    ScaleToHeight(0.85 * (band - reportPageGrid.lineHeight));
    const int x = reportPageGrid.marginX + reportPageGrid.charWidth;
    DrawReportLogo(printJobState.printerDC, x, BandTop(band));
    return 0;
}

void DrawReportLogo(win::HDC dc, int x, int /*y*/) {
    const int caps = win::GetDeviceCaps(dc, win::RASTERCAPS);
    if ((caps & (win::RC_BITBLT | win::RC_STRETCHBLT)) == 0) return;
    win::HBITMAP logo = LoadLogo(dc);
    win::BITMAP info{};
    if (!BitmapSize(logo, &info)) {
        if (logo != nullptr) win::DeleteObject(logo);
        return;
    }
    ReportLogoLayout& l = reportLogoLayout;
    l.logoBitmapWidth = info.bmWidth;
    l.logoBitmapHeight = info.bmHeight;
    const int band = BandHeight();
    ScaleToHeight(0.85 * (band - reportPageGrid.lineHeight));
    const int top = BandTop(band);

    // The bitmap as a packed DIB, through the screen DC.
    win::BITMAPINFOHEADER header;
    InitBitmapInfoHeader(&header, info.bmWidth, info.bmHeight, info.bmPlanes * info.bmBitsPixel);
    const size_t bytes = sizeof header + PaletteSize(&header) + header.biSizeImage;
    win::HGLOBAL block = win::GlobalAlloc(win::GMEM_MOVEABLE | win::GMEM_ZEROINIT, bytes);
    void* dib = block != nullptr ? win::GlobalLock(block) : nullptr;
    if (dib != nullptr) {
        std::memcpy(dib, &header, sizeof header);
        auto* bitmapInfo = static_cast<win::BITMAPINFO*>(dib);
        win::HDC screen = win::GetDC(nullptr);
        const int rows = win::GetDIBits(screen, logo, 0, static_cast<win::UINT>(info.bmHeight),
                                        FindDIBBits(dib), bitmapInfo, win::DIB_RGB_COLORS);
        win::ReleaseDC(nullptr, screen);
        if (rows != 0) {
            win::StretchDIBits(dc, x, top, static_cast<int>(info.bmWidth * l.logoScaleX),
                               static_cast<int>(info.bmHeight * l.logoScaleY), 0, 0, info.bmWidth,
                               info.bmHeight, FindDIBBits(dib), bitmapInfo, win::DIB_RGB_COLORS,
                               win::SRCCOPY);
        }
        win::GlobalUnlock(block);
    }
    if (block != nullptr) win::GlobalFree(block);
    win::DeleteObject(logo);
}
