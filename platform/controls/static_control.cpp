// The "STATIC" control: a text label (left, centred or right), frames and
// rectangles. Clicks pass through unless the label asks for notifications.
#include "platform/controls/controls.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win::detail {

LRESULT StaticControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST: {
            Window* w = FindWindowRecord(hwnd);
            if (w != nullptr && !(w->style & SS_NOTIFY)) return HTTRANSPARENT;
            return DefWindowProc(hwnd, msg, wParam, lParam);
        }
        case WM_LBUTTONDOWN:
            NotifyParent(hwnd, 0);  // clicked
            return 0;
        case WM_LBUTTONDBLCLK:
            NotifyParent(hwnd, 1);  // double-clicked
            return 0;
        case WM_SETTEXT: {
            LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
        case WM_ENABLE:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintControl(hwnd, ControlKind::Static);
            return 0;
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win::detail
