// Vertical scrolling of a result page by its scroll bar and the mouse wheel.
// Dragging the thumb moves no text until the thumb is released (thumb track
// keeps the position), and one wheel message scrolls one line whatever its
// size.
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "platform/system/system.h"
#include "platform/window/window.h"

void OnPageVScroll(PageClass page, win::HWND hwnd, int request) {
    const PageMetrics m = MeasurePageFont(page, hwnd);
    win::SCROLLINFO si;
    si.cbSize = sizeof si;
    si.fMask = win::SIF_ALL;
    win::GetScrollInfo(hwnd, win::SB_VERT, &si);
    const int old = si.nPos;
    int position = old;
    switch (request) {
        case win::SB_LINEUP:
            position = old - 1;
            break;
        case win::SB_LINEDOWN:
            position = old + 1;
            break;
        case win::SB_PAGEUP:
            position = old - static_cast<int>(si.nPage);
            break;
        case win::SB_PAGEDOWN:
            position = old + static_cast<int>(si.nPage);
            break;
        case win::SB_THUMBPOSITION:
            position = si.nTrackPos;
            break;
        case win::SB_TOP:
            position = si.nMin;
            break;
        case win::SB_BOTTOM:
            position = si.nMax + 1;
            break;
        default:  // thumb track, end scroll and anything else
            break;
    }
    si.fMask = win::SIF_POS;
    si.nPos = position;
    win::SetScrollInfo(hwnd, win::SB_VERT, &si, win::TRUE);
    win::GetScrollInfo(hwnd, win::SB_VERT, &si);
    if (si.nPos == old) return;
    win::ScrollWindow(hwnd, 0, (old - si.nPos) * m.lineHeight, nullptr, nullptr);
    win::UpdateWindow(hwnd);
}

// A line per line the turn scrolls (a turn of nothing: one line down).
void OnPageWheel(win::HWND hwnd, int delta) {
    const int lines = delta == 0 ? -1 : win::WheelScrollLines(delta);
    for (int i = 0; i < (lines < 0 ? -lines : lines); ++i)
        win::SendMessage(hwnd, win::WM_VSCROLL, lines > 0 ? win::SB_LINEUP : win::SB_LINEDOWN, 0);
}
