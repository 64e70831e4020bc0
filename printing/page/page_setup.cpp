// Page set-up: metrics, fonts, grid and logo size. The three routines share
// one body; they differ in the height the font is taken from, a character
// width for the portrait summary page and the scale of the large fonts.
#include "printing/page/page_setup.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/gdi.h"
#include "printing/job/printer_dc.h"
#include "printing/page/report_logo.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"

namespace {

constexpr int kDefaultLinesPerPage = 70;
constexpr const char* kReportFace = "Tahoma";
constexpr int kProofQuality = 2;

struct SetupVariant {
    bool fromUsableHeight;  // h from the usable height instead of VERTRES
    bool narrow;            // every font gets the character width w (portrait summary)
    double largeScale;      // the three large fonts are made from h x this
};

win::HFONT MakeFont(int height, int width, int weight, win::DWORD charSet) {
    return win::CreateFontA(height, width, 0, 0, weight, 0, 0, 0, charSet, win::OUT_DEFAULT_PRECIS,
                            win::CLIP_DEFAULT_PRECIS, kProofQuality, win::DEFAULT_PITCH,
                            kReportFace);
}

bool IsReportFont(win::HGDIOBJ font) {
    const ReportFonts& f = reportFonts;
    for (win::HFONT own : {f.boldFont, f.bodyFont, f.bodyFontAnsi, f.boldFontAnsi, f.largeFont,
                           f.headingFont, f.largestFont, f.pageFont})
        if (own != nullptr && font == own) return true;
    return false;
}

// The measuring font, selected into the DC; the DC's own font is kept as
// savedFont unless the DC still holds a font of an earlier set-up.
void MakePageFont(win::HDC dc, int h, int w) {
    ReportFonts& f = reportFonts;
    if (f.pageFont != nullptr) {
        win::HGDIOBJ current = win::GetCurrentObject(dc, win::OBJ_FONT);
        if (current == f.pageFont) win::SelectObject(dc, f.savedFont);
        win::DeleteObject(f.pageFont);
        f.pageFont = nullptr;
    }
    f.pageFont = MakeFont(h, w, win::FW_BOLD, win::OEM_CHARSET);
    win::HGDIOBJ previous = win::SelectObject(dc, f.pageFont);
    if (!IsReportFont(previous)) f.savedFont = static_cast<win::HFONT>(previous);
}

// Fitting `columns` columns into the usable width: a font whose average
// character is wider than a column is made again at a smaller height (not
// selected). The old measuring font goes first: the DC gets its own font back.
int FitColumns(win::HDC dc, int h, int w, int columns, bool narrow) {
    ReportFonts& f = reportFonts;
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    const int column = narrow ? w : printJobState.pageMetrics.usableWidth / columns;
    if (tm.tmAveCharWidth <= column || tm.tmAveCharWidth <= 0) return h;
    h = static_cast<int>(static_cast<long long>(tm.tmHeight) * column / tm.tmAveCharWidth);
    win::SelectObject(dc, f.savedFont);
    win::DeleteObject(f.pageFont);
    f.pageFont = MakeFont(h, w, win::FW_BOLD, win::OEM_CHARSET);
    return h;
}

void MakeReportFonts(int h, int w, double largeScale) {
    ReportFonts& f = reportFonts;
    win::HFONT* fonts[7] = {&f.boldFont,  &f.bodyFont,    &f.bodyFontAnsi, &f.boldFontAnsi,
                            &f.largeFont, &f.headingFont, &f.largestFont};
    for (int i = 0; i < 7; ++i) {
        if (f.created[i] != 0 && *fonts[i] != nullptr) win::DeleteObject(*fonts[i]);
        *fonts[i] = nullptr;
        f.created[i] = 0;
    }
    const double base = h * largeScale;
    f.boldFont = MakeFont(h, w, win::FW_BOLD, win::OEM_CHARSET);
    f.bodyFont = MakeFont(h, w, win::FW_NORMAL, win::OEM_CHARSET);
    f.bodyFontAnsi = MakeFont(h, w, win::FW_NORMAL, win::ANSI_CHARSET);
    f.boldFontAnsi = MakeFont(h, w, win::FW_BOLD, win::ANSI_CHARSET);
    f.largeFont = MakeFont(static_cast<int>(base / 0.8), w, win::FW_BOLD, win::ANSI_CHARSET);
    f.headingFont = MakeFont(static_cast<int>(base / 0.65), w, win::FW_BOLD, win::ANSI_CHARSET);
    f.largestFont = MakeFont(static_cast<int>(base / 0.55), w, win::FW_BOLD, win::ANSI_CHARSET);
    for (int i = 0; i < 7; ++i) f.created[i] = *fonts[i] != nullptr ? 1 : 0;
}

void SetGrid(win::HDC dc) {
    ReportPageGrid& g = reportPageGrid;
    const PrintPageMetrics& m = printJobState.pageMetrics;
    win::SelectObject(dc, reportFonts.boldFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    g.lineHeight = tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
    g.textWidth = GetUnderscoresWidth(dc, 80);
    g.columnsPerLine = 80;
    g.charWidth = g.textWidth / 80;
    g.marginX = std::max(static_cast<int>(0.5 * (m.physicalWidth - g.textWidth)), m.offsetX);
}

int SetupPage(int linesPerPage, int columns, const SetupVariant& v) {
    if (printJobState.printAborted != 0) return -1;
    win::HDC dc = printJobState.printerDC;
    if (dc == nullptr) return -1;
    const int lines = linesPerPage == 0 ? kDefaultLinesPerPage : linesPerPage;
    ReadAllPageMetrics(dc);
    const PrintPageMetrics& m = printJobState.pageMetrics;
    int h = (v.fromUsableHeight ? m.usableHeight : m.vertRes) / lines;
    const int w = v.narrow && columns >= 1 ? m.usableWidth / columns : 0;
    MakePageFont(dc, h, w);
    if (columns > 0) h = FitColumns(dc, h, w, columns, v.narrow);
    MakeReportFonts(h, w, v.largeScale);
    SetGrid(dc);
    MeasureReportLogo(dc);
    return 0;
}

}  // namespace

int SetupReportPage(int linesPerPage, int columnsToFit) {
    return SetupPage(linesPerPage, columnsToFit, SetupVariant{false, false, 1.0});
}

int SetupLandscapeSummaryPage(int linesPerPage, int widthDivisor) {
    return SetupPage(linesPerPage, widthDivisor, SetupVariant{true, false, 1.0});
}

int SetupPortraitSummaryPage(int linesPerPage, int widthDivisor) {
    return SetupPage(linesPerPage, widthDivisor, SetupVariant{true, true, 17.0 / 22.0});
}

void ReleaseReportFont() {
    ReportFonts& f = reportFonts;
    if (printJobState.printerDC != nullptr && f.savedFont != nullptr)
        win::SelectObject(printJobState.printerDC, f.savedFont);
    if (f.pageFont != nullptr) win::DeleteObject(f.pageFont);
    f.pageFont = nullptr;
}

void DeleteReportFonts() {
    ReleaseReportFont();
    ReportFonts& f = reportFonts;
    for (win::HFONT font : {f.boldFont, f.bodyFont, f.bodyFontAnsi, f.boldFontAnsi, f.largeFont,
                            f.headingFont, f.largestFont})
        if (font != nullptr) win::DeleteObject(font);
    f = ReportFonts{};
}
