// The shared window procedure body of the result pages: a dispatch over the
// message, every case a named handler.
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_frame.h"
#include "platform/window/window.h"
#include "resources/resource_ids.h"

win::LRESULT PageWndProc(PageClass page, win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                         win::LPARAM lParam) {
    switch (msg) {
        case win::WM_CREATE:
            OnPageCreate(page, hwnd);
            return 0;
        case win::WM_PAINT:
            OnPagePaint(page, hwnd);
            return 0;
        case win::WM_CLOSE:
            win::SendMessage(hwnd, win::WM_COMMAND, PageCommand::kClose, 0);
            return 1;
        case win::WM_NCHITTEST:
            return OnPageHitTest(page, hwnd, wParam, lParam);
        case win::WM_KEYDOWN:
            OnPageKey(page, hwnd, static_cast<int>(wParam));
            return 0;
        case win::WM_COMMAND:
            OnPageCommand(page, hwnd, static_cast<unsigned>(win::LOWORD(wParam)));
            return 0;
        case win::WM_VSCROLL:
            OnPageVScroll(page, hwnd, static_cast<int>(win::LOWORD(wParam)));
            return 0;
        case win::WM_MOUSEWHEEL:
            OnPageWheel(hwnd, static_cast<short>(win::HIWORD(wParam)));
            return 0;
        case win::WM_HSCROLL:
            OnPageHScroll(page, hwnd, static_cast<int>(win::LOWORD(wParam)));
            return 0;
        case win::WM_SIZE:
            FitPageHorizontalBar(page, hwnd);
            if (page != PageClass::kCycledWater) break;
            win::InvalidateRect(hwnd, nullptr, win::TRUE);
            win::UpdateWindow(hwnd);
            return 0;
        case win::WM_SETFOCUS:
            if (DescriptorOf(page).setFocus == nullptr) break;
            DescriptorOf(page).setFocus(hwnd);
            return 0;
        default:
            break;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}
