// Keyboard moves of a result page over the main window's rectangle: one step
// per arrow key, wrapping to the far side (without moving on that key) when
// the page would leave its reach, Home back to the page's home and End its
// reach below it.
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

void OnPageKey(PageClass page, win::HWND hwnd, int virtualKey) {
    const PageDescriptor& d = DescriptorOf(page);
    PageState& s = pageStates[PageIndex(page)];
    win::RECT main;
    win::GetWindowRect(mainWindowState.mainWindow, &main);
    const PageMetrics m = MeasurePageFont(page, hwnd);
    const int cw = m.cellWidth;
    const int step = d.step == PageStep::kRowHeight ? m.rowHeight : reportPageGrid.lineHeight;
    const int reach = d.reach;
    const win::POINT home = mainWindowState.pageHome[PageIndex(page)];
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
        case win::VK_HOME:
            s.windowX = home.x;
            s.windowY = home.y;
            break;
        case win::VK_END:
            s.windowX = home.x;
            s.windowY = home.y + reach * m.rowHeight;
            break;
        default:
            return;
    }
    MoveTo(page, hwnd, s.windowX, s.windowY);
}
