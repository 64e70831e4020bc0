// The screen set-ups of the summary pages: one body, the two routines differ
// only in taking the rectangle's sides as magnitudes.
#include "printing/summary/screen_page_setup.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/page/report_logo.h"
#include "printing/print_job_records.h"
#include "printing/summary/summary_records.h"

namespace {

constexpr int kDefaultDivisor = 68;
// The smallest page font a window shows: its digits stand eight pixels high.
// A sheet of a small desktop keeps it, its text a little larger against the
// sheet and its graphs a little lower.
constexpr int kReadableHeight = 11;
constexpr const char* kReportFace = "Tahoma";
constexpr int kProofQuality = 2;

win::HFONT MakeFont(int height, int weight, win::DWORD charSet) {
    return win::CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, charSet, win::OUT_DEFAULT_PRECIS,
                            win::CLIP_DEFAULT_PRECIS, kProofQuality, win::DEFAULT_PITCH,
                            kReportFace);
}

// Underscores in the font selected in the DC.
int UnderscoresWidth(win::HDC dc, int count) {
    const int n = std::clamp(count, 0, 254);
    const std::string rule(static_cast<size_t>(n), '_');
    win::SIZE size{};
    win::GetTextExtentPoint32A(dc, rule.c_str(), n, &size);
    return size.cx;
}

void SetMargin(ReportPageGrid& g, const PrintPageMetrics& m) {
    g.marginX = std::max((m.physicalWidth - g.textWidth) / 2, m.offsetX);
}

// The grid of 80 columns measured in the selected font, widened to 80 % of
// the page when the text would take less.
void MeasureGrid(win::HDC dc, bool widen) {
    ReportPageGrid& g = reportPageGrid;
    const PrintPageMetrics& m = printJobState.pageMetrics;
    g.textWidth = UnderscoresWidth(dc, 80);
    SetMargin(g, m);
    if (widen) {
        for (int width : {m.physicalWidth, m.horzRes}) {
            if (g.textWidth > 0 && g.textWidth < 0.8 * width) {
                const int columns = static_cast<int>(0.8 * width / g.textWidth * 80);
                g.textWidth = UnderscoresWidth(dc, columns);
            }
        }
    }
    g.charWidth = g.textWidth / 80;
    g.columnsPerLine = 80;
    SetMargin(g, m);
}

void MakePageFont(win::HDC dc, int h) {
    ReportFonts& f = screenReportFonts;
    f.pageFont = MakeFont(h, win::FW_BOLD, win::OEM_CHARSET);
    win::HGDIOBJ previous = win::SelectObject(dc, f.pageFont);
    f.savedFont = static_cast<win::HFONT>(previous);
}

void MakeScreenFonts(int h) {
    ReportFonts& f = screenReportFonts;
    win::HFONT* fonts[7] = {&f.boldFont,  &f.bodyFont,    &f.bodyFontAnsi, &f.boldFontAnsi,
                            &f.largeFont, &f.headingFont, &f.largestFont};
    for (int i = 0; i < 7; ++i) {
        if (f.created[i] != 0 && *fonts[i] != nullptr) win::DeleteObject(*fonts[i]);
        *fonts[i] = nullptr;
        f.created[i] = 0;
    }
    f.boldFont = MakeFont(h, win::FW_BOLD, win::OEM_CHARSET);
    f.largeFont = MakeFont(static_cast<int>(h / 0.8), win::FW_BOLD, win::ANSI_CHARSET);
    f.largestFont = MakeFont(static_cast<int>(h / 0.55), win::FW_BOLD, win::ANSI_CHARSET);
    f.headingFont = MakeFont(static_cast<int>(h / 0.65), win::FW_BOLD, win::ANSI_CHARSET);
    f.bodyFont = MakeFont(h, win::FW_NORMAL, win::OEM_CHARSET);
    f.bodyFontAnsi = MakeFont(h, win::FW_NORMAL, win::ANSI_CHARSET);
    f.boldFontAnsi = MakeFont(h, win::FW_BOLD, win::ANSI_CHARSET);
    for (int i = 0; i < 7; ++i) f.created[i] = *fonts[i] != nullptr ? 1 : 0;
}

int SetUp(win::HDC dc, win::HWND window, int heightDivisor, int widthColumns, bool magnitudes) {
    const int divisor = heightDivisor != 0 ? heightDivisor : kDefaultDivisor;
    win::RECT r{};
    win::GetClientRect(window, &r);  // the page fills what the window shows
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    if (magnitudes) {
        width = std::abs(width);
        height = std::abs(height);
    }
    PrintPageMetrics& m = printJobState.pageMetrics;
    m.physicalWidth = m.horzRes = m.usableWidth = width;
    m.physicalHeight = m.vertRes = m.usableHeight = height;
    m.offsetX = m.offsetY = 0;

    ReleaseScreenPageFont(dc);
    int h = std::max(height / divisor, kReadableHeight);
    MakePageFont(dc, h);
    if (widthColumns > 0) {
        const int maxCharWidth = width / widthColumns;
        win::TEXTMETRICA tm{};
        win::GetTextMetricsA(dc, &tm);
        const int average = PageCharacterUnit(dc);
        if (average > maxCharWidth && average > 0) {
            h = static_cast<int>(static_cast<long long>(tm.tmHeight) * maxCharWidth / average);
            ReleaseScreenPageFont(dc);
            MakePageFont(dc, h);
        }
    }
    reportPageGrid.lineY = 0;
    MeasureGrid(dc, true);

    MakeScreenFonts(h);
    win::HGDIOBJ measuring = win::SelectObject(dc, screenReportFonts.boldFont);
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    reportPageGrid.lineHeight =
        tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
    MeasureGrid(dc, false);
    win::SelectObject(dc, measuring);
    MeasureReportLogo(dc);
    return 0;
}

}  // namespace

int PageCharacterUnit(win::HDC dc) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz";
    win::SIZE size{};
    if (win::GetTextExtentPoint32A(dc, kLetters, 26, &size) && size.cx > 0)
        return std::max(1, static_cast<int>(size.cx / 26));
    win::TEXTMETRICA tm{};
    win::GetTextMetricsA(dc, &tm);
    return std::max(1, static_cast<int>(tm.tmAveCharWidth));
}

int CreateLandscapePageFonts(win::HDC dc, win::HWND window, int heightDivisor, int widthColumns) {
    return SetUp(dc, window, heightDivisor, widthColumns, true);
}

int CreatePortraitPageFonts(win::HDC dc, win::HWND window, int heightDivisor, int widthColumns) {
    return SetUp(dc, window, heightDivisor, widthColumns, false);
}

void ReleaseScreenPageFont(win::HDC dc) {
    ReportFonts& f = screenReportFonts;
    if (f.pageFont == nullptr) return;
    if (dc != nullptr && win::GetCurrentObject(dc, win::OBJ_FONT) == f.pageFont)
        win::SelectObject(dc, f.savedFont);
    win::DeleteObject(f.pageFont);
    f.pageFont = nullptr;
    f.savedFont = nullptr;
}

void DeleteScreenReportFonts() {
    ReleaseScreenPageFont(nullptr);
    ReportFonts& f = screenReportFonts;
    for (win::HFONT font : {f.boldFont, f.bodyFont, f.bodyFontAnsi, f.boldFontAnsi, f.largeFont,
                            f.headingFont, f.largestFont})
        if (font != nullptr) win::DeleteObject(font);
    f = ReportFonts{};
}
