// The logo: measured at set-up, scaled to a band of lines, and stretched onto
// the printer as a device-independent bitmap made through the screen DC.
#include "printing/page/report_logo.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/gdi.h"
#include "printing/job/printer_dc.h"
#include "printing/page/report_page_records.h"
#include "printing/pictures/stretch_dib.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

win::HBITMAP LoadLogo(win::HDC printer) {
    const int id = PrinterHasColours(printer) ? kLogoColour : kLogoMono;
    return win::LoadBitmapA(mainWindowState.instance, id);
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
    if (!BitmapSizeOrDelete(logo, &info)) {
        l.logoBitmapWidth = l.logoBitmapHeight = l.logoWidth = l.logoHeight = 0;
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
    if (!TakesBitmaps(dc)) return;
    win::HBITMAP logo = LoadLogo(dc);
    win::BITMAP info{};
    if (!BitmapSizeOrDelete(logo, &info)) return;
    ReportLogoLayout& l = reportLogoLayout;
    l.logoBitmapWidth = info.bmWidth;
    l.logoBitmapHeight = info.bmHeight;
    const int band = BandHeight();
    ScaleToHeight(0.85 * (band - reportPageGrid.lineHeight));
    StretchBitmapAsDib(dc, logo, info, x, BandTop(band),
                       static_cast<int>(info.bmWidth * l.logoScaleX),
                       static_cast<int>(info.bmHeight * l.logoScaleY));
    win::DeleteObject(logo);
}
