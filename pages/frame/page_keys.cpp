// Keyboard moves of a result page over the main window's rectangle: one step
// per arrow key, wrapping to the far side (without moving on that key) when
// the page would leave its reach. Page Up and Page Down scroll the text a page
// as the scroll bar does, Home and End (with or without Ctrl) to its top and
// bottom.
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "pages/frame/page_state_records.h"
#include "platform/window/window.h"
#include "printing/print_job_records.h"

namespace {

void MoveTo(PageClass page, win::HWND hwnd, int x, int y) {
    const win::UINT show = DescriptorOf(page).moveShows ? win::SWP_SHOWWINDOW : 0;
    win::SetWindowPos(hwnd, win::HWND_TOP, x, y, 0, 0, win::SWP_NOSIZE | show);
}

}  // namespace

namespace {

// The scroll-bar request of a scrolling key, -1 for the other keys.
int ScrollRequest(int virtualKey) {
    switch (virtualKey) {
        case win::VK_PRIOR:
            return win::SB_PAGEUP;
        case win::VK_NEXT:
            return win::SB_PAGEDOWN;
        case win::VK_HOME:
            return win::SB_TOP;
        case win::VK_END:
            return win::SB_BOTTOM;
        default:
            return -1;
    }
}

}  // namespace

void OnPageKey(PageClass page, win::HWND hwnd, int virtualKey) {
    if (const int request = ScrollRequest(virtualKey); request >= 0) {
        win::SendMessage(hwnd, win::WM_VSCROLL, static_cast<win::WPARAM>(request), 0);
        return;
    }
    const PageDescriptor& d = DescriptorOf(page);
    PageState& s = pageStates[PageIndex(page)];
    win::RECT main;
    win::GetWindowRect(mainWindowState.mainWindow, &main);
    const PageMetrics m = MeasurePageFont(page, hwnd);
    const int cw = m.cellWidth;
    const int step = d.step == PageStep::kRowHeight ? m.rowHeight : reportPageGrid.lineHeight;
    const int reach = d.reach;
    switch (virtualKey) {
        case win::VK_LEFT:
            if (s.windowX - cw < main.left - 78 * cw) {
                s.windowX = main.right - cw;
                return;
            }
            s.windowX -= cw;
            break;
        case win::VK_RIGHT:
            if (s.windowX + cw > main.right - cw) {
                s.windowX = main.left - 78 * cw;
                return;
            }
            s.windowX += cw;
            break;
        case win::VK_UP:
            if (s.windowY - step < main.top - reach * step) {
                s.windowY = main.bottom - m.rowHeight;
                return;
            }
            s.windowY -= step;
            break;
        case win::VK_DOWN:
            if (s.windowY + step > main.bottom - step) {
                s.windowY = main.top - reach * step;
                return;
            }
            s.windowY += step;
            break;
        default:
            return;
    }
    MoveTo(page, hwnd, s.windowX, s.windowY);
}
