// Creation and the paint cycle of a result page: recompute what the page
// needs, lay the page out through its builder, paint the layout from the
// scroll position, record the lines the right-button copy and the alkalinity
// commands need, and set the scroll range from the last line drawn.
#include <cstdint>

#include "engine/records.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "pages/frame/page_state_records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"
#include "reporttext/layout/layout_paint.h"
#include "shell/startup/startup_records.h"

namespace {

int PitchOf(PagePitch pitch, const win::TEXTMETRICA& tm) {
    switch (pitch) {
        case PagePitch::kRowHeight:
            return tm.tmHeight + tm.tmExternalLeading;
        case PagePitch::kNoInternalLeading:
            return tm.tmHeight + tm.tmHeight / 12 + tm.tmExternalLeading;
        case PagePitch::kStandard:
            break;
    }
    return tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
}

int LineY(const ReportLayout& layout, LayoutLine name, int firstLineY, int lineHeight) {
    const int line = layout.NamedLine(name);
    return line < 0 ? 0 : firstLineY + line * lineHeight;
}

}  // namespace

PageMetrics MeasurePageFont(PageClass page, win::HDC hdc) {
    win::TEXTMETRICA tm;
    PageMetrics m;
    if (!win::GetTextMetricsA(hdc, &tm)) return m;
    m.cellWidth = tm.tmAveCharWidth;
    m.rowHeight = tm.tmHeight + tm.tmExternalLeading;
    m.lineHeight = PitchOf(DescriptorOf(page).pitch, tm);
    return m;
}

PageMetrics MeasurePageFont(PageClass page, win::HWND hwnd) {
    win::HDC hdc = win::GetDC(hwnd);
    const win::HGDIOBJ previous = win::SelectObject(hdc, screenFonts.pageFont);
    const PageMetrics m = MeasurePageFont(page, hdc);
    if (previous != nullptr) win::SelectObject(hdc, previous);
    win::ReleaseDC(hwnd, hdc);
    return m;
}

void OnPageCreate(PageClass page, win::HWND hwnd) {
    PageState& s = pageStates[PageIndex(page)];
    const win::POINT home = mainWindowState.pageHome[PageIndex(page)];
    s.windowX = home.x;
    s.windowY = home.y;
    s.productSeen = resultStatus.productSelected;
    s.shownWater = mainWindowState.currentWater;
    // The copy fields belong to this window's paints.
    s.copyCellWidth = 0;
    s.copyRowHeight = 0;
    s.copiedColumn = -1;
    s.copiedThisPress = 0;
    if (DescriptorOf(page).create != nullptr) DescriptorOf(page).create(hwnd);
}

void OnPagePaint(PageClass page, win::HWND hwnd) {
    const PageDescriptor& d = DescriptorOf(page);
    PageState& s = pageStates[PageIndex(page)];
    win::PAINTSTRUCT ps;
    win::HDC hdc = win::BeginPaint(hwnd, &ps);
    if (d.recompute != nullptr) {
        d.recompute(hwnd);
        s.productSeen = resultStatus.productSelected;
    }
    const win::HGDIOBJ previous = win::SelectObject(hdc, screenFonts.pageFont);
    const PageMetrics m = MeasurePageFont(page, hdc);
    s.copyCellWidth = m.cellWidth;
    s.copyRowHeight = m.rowHeight;
    win::SetTextColor(hdc, win::RGB(0, 0, 0));
    reportPageGrid.lineHeight = m.lineHeight;

    const int position = win::GetScrollPos(hwnd, win::SB_VERT);
    const int firstLineY = (d.firstLine - position) * m.lineHeight;
    ReportLayout layout;
    if (const ReportBuilder build = FindReportBuilder(d.layout); build != nullptr)
        build(PageReportSource(page), layout);
    // A narrowed page shows its text from the horizontal bar's position.
    win::POINT origin{0, 0};
    win::SetViewportOrgEx(hdc, -win::GetScrollPos(hwnd, win::SB_HORZ), 0, &origin);
    const int endY = PaintReportLayout(hdc, layout, firstLineY, m.cellWidth, m.lineHeight);
    win::SetViewportOrgEx(hdc, origin.x, origin.y, nullptr);
    reportPageGrid.lineY = endY;
    reportPageGrid.lineCount = layout.endLine;
    s.copyBandTop = LineY(layout, LayoutLine::kBandTop, firstLineY, m.lineHeight);
    s.copyBandBottom = LineY(layout, LayoutLine::kBandBottom, firstLineY, m.lineHeight);
    s.alkalinityRowsY = LineY(layout, LayoutLine::kAlkalinityRows, firstLineY, m.lineHeight);

    if (previous != nullptr) win::SelectObject(hdc, previous);
    reportPageGrid.lineHeight = m.lineHeight;
    if (m.lineHeight > 0) {
        win::RECT client;
        win::GetClientRect(hwnd, &client);
        win::SCROLLINFO before;
        before.fMask = win::SIF_RANGE | win::SIF_PAGE;
        win::GetScrollInfo(hwnd, win::SB_VERT, &before);
        win::SCROLLINFO si;
        si.fMask = win::SIF_RANGE | win::SIF_PAGE;
        si.nMin = 0;
        si.nMax = endY / m.lineHeight + position;
        si.nPage = static_cast<win::UINT>((client.bottom - client.top) / m.lineHeight);
        // The bar is redrawn only when it changed: on this platform redrawing a
        // window's bar repaints the window, which would paint again forever.
        win::SetScrollInfo(hwnd, win::SB_VERT, &si, win::FALSE);
        win::SCROLLINFO after;
        after.fMask = win::SIF_RANGE | win::SIF_PAGE;
        win::GetScrollInfo(hwnd, win::SB_VERT, &after);
        if (after.nMin != before.nMin || after.nMax != before.nMax || after.nPage != before.nPage)
            win::SetScrollInfo(hwnd, win::SB_VERT, &si, win::TRUE);
    }
    win::EndPaint(hwnd, &ps);
}
