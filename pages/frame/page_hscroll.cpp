// Horizontal scrolling of a result page made narrower than it opened: a bar
// along its foot reaches the part cut off (a character cell an arrow, the
// width shown a page); widened again to its whole text, the bar goes.
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "platform/window/window.h"

namespace {

// The client width the page's text needs: the width it opens with, less its
// frame and vertical bar.
int WholeWidth(PageClass page, win::HWND hwnd, int cellWidth) {
    win::RECT outer;
    win::RECT client;
    win::GetWindowRect(hwnd, &outer);
    win::GetClientRect(hwnd, &client);
    const int frame = (outer.right - outer.left) - (client.right - client.left);
    return ResultPageWidth(page, cellWidth) - frame;
}

}  // namespace

void FitPageHorizontalBar(PageClass page, win::HWND hwnd) {
    const PageMetrics m = MeasurePageFont(page, hwnd);
    if (m.cellWidth <= 0) return;
    win::RECT client;
    win::GetClientRect(hwnd, &client);
    const int width = client.right - client.left;
    const int whole = WholeWidth(page, hwnd, m.cellWidth);
    const bool cut = width > 0 && width < whole;
    const bool shown = (win::GetWindowLong(hwnd, win::GWL_STYLE) & win::WS_HSCROLL) != 0;
    if (!cut) {
        if (!shown) return;
        win::ShowScrollBar(hwnd, win::SB_HORZ, win::FALSE);
        win::SetScrollPos(hwnd, win::SB_HORZ, 0, win::FALSE);
        win::InvalidateRect(hwnd, nullptr, win::TRUE);
        return;
    }
    if (!shown) win::ShowScrollBar(hwnd, win::SB_HORZ, win::TRUE);
    win::SCROLLINFO si;
    si.cbSize = sizeof si;
    si.fMask = win::SIF_RANGE | win::SIF_PAGE;
    si.nMin = 0;
    si.nMax = whole - 1;
    si.nPage = static_cast<win::UINT>(width);
    const int before = win::GetScrollPos(hwnd, win::SB_HORZ);
    win::SetScrollInfo(hwnd, win::SB_HORZ, &si, win::TRUE);
    if (win::GetScrollPos(hwnd, win::SB_HORZ) != before || !shown)
        win::InvalidateRect(hwnd, nullptr, win::TRUE);
}

void OnPageHScroll(PageClass page, win::HWND hwnd, int request) {
    const PageMetrics m = MeasurePageFont(page, hwnd);
    win::SCROLLINFO si;
    si.cbSize = sizeof si;
    si.fMask = win::SIF_ALL;
    if (!win::GetScrollInfo(hwnd, win::SB_HORZ, &si)) return;
    const int old = si.nPos;
    int position = old;
    switch (request) {
        case win::SB_LINELEFT:
            position = old - m.cellWidth;
            break;
        case win::SB_LINERIGHT:
            position = old + m.cellWidth;
            break;
        case win::SB_PAGELEFT:
            position = old - static_cast<int>(si.nPage);
            break;
        case win::SB_PAGERIGHT:
            position = old + static_cast<int>(si.nPage);
            break;
        case win::SB_THUMBPOSITION:
        case win::SB_THUMBTRACK:
            position = si.nTrackPos;
            break;
        case win::SB_LEFT:
            position = si.nMin;
            break;
        case win::SB_RIGHT:
            position = si.nMax;
            break;
        default:
            return;
    }
    win::SetScrollPos(hwnd, win::SB_HORZ, position, win::TRUE);
    if (win::GetScrollPos(hwnd, win::SB_HORZ) != old) win::InvalidateRect(hwnd, nullptr, win::TRUE);
}
