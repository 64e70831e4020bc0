// The default window procedure: what a window does with the messages its own
// procedure leaves alone (text, painting, closing, system commands, the
// non-client hit test, caption drags and double-clicks, the close box,
// scroll-bar clicks).
#include <algorithm>
#include <cstring>

#include "platform/drivers/driver.h"
#include "platform/window/menu.h"
#include "platform/window/menu_keys.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

// Implemented by the input and scroll-bar modules.
void BeginCaptionDrag(HWND hwnd, POINT screen);
void ScrollBarMouseDown(HWND hwnd, int bar, POINT screen);

namespace {

bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

LRESULT HitTest(const Window& w, POINT screen) {
    RECT r = ScreenRect(w);
    if (!Inside(r, screen)) return HTNOWHERE;
    Insets in = NonClientInsets(w);
    RECT client{r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
    if (Inside(client, screen)) return HTCLIENT;
    int frameTop = r.top + (in.top - CaptionHeight(w) - MenuBarHeight(w));
    int captionBottom = frameTop + CaptionHeight(w);
    int menuBottom = captionBottom + MenuBarHeight(w);
    if (screen.y >= frameTop && screen.y < captionBottom && screen.x >= r.left &&
        screen.x < r.right && CaptionHeight(w) > 0) {
        const int frame = frameTop - r.top;
        const RECT box = CloseBoxOfCaption(w, static_cast<int>(r.right - r.left) - 2 * frame);
        const POINT at{screen.x - r.left - frame, screen.y - frameTop};
        return Inside(box, at) ? HTCLOSE : HTCAPTION;
    }
    if (screen.y >= captionBottom && screen.y < menuBottom && MenuBarHeight(w) > 0) return HTMENU;
    if (w.vscroll.visible && screen.y >= client.top && screen.y < client.bottom &&
        screen.x >= client.right && screen.x < client.right + 16)
        return HTVSCROLL;
    if (w.hscroll.visible && screen.x >= client.left && screen.x < client.right &&
        screen.y >= client.bottom && screen.y < client.bottom + 16)
        return HTHSCROLL;
    return HTBORDER;
}

LRESULT CopyText(const Window& w, WPARAM size, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0) return 0;
    std::size_t n = std::min(w.text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(out, w.text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

}  // namespace
}  // namespace detail

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    using namespace detail;
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    switch (msg) {
        case WM_NCCREATE: {
            auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
            if (cs != nullptr && cs->lpszName != nullptr) w->text = cs->lpszName;
            return TRUE;
        }
        case WM_SETTEXT:
            w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            if (w->parent == nullptr) CurrentDriver().WindowChanged(hwnd);
            return TRUE;
        case WM_GETTEXT:
            return CopyText(*w, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_SETFONT:
            w->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(static_cast<std::uintptr_t>(lParam))) InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(w->font);
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_CLOSE:
                    SendMessage(hwnd, WM_CLOSE, 0, 0);
                    break;
                case SC_MAXIMIZE:
                    ShowWindow(hwnd, SW_MAXIMIZE);
                    break;
                case SC_RESTORE:
                    ShowWindow(hwnd, SW_RESTORE);
                    break;
                case SC_MINIMIZE:
                    ShowWindow(hwnd, SW_MINIMIZE);
                    break;
                default:
                    break;
            }
            return 0;
        case WM_NCHITTEST: {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            return HitTest(*w, p);
        }
        case WM_NCLBUTTONDOWN: {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (w->parent == nullptr) SetActiveWindow(hwnd);
            if (wParam == static_cast<WPARAM>(HTCAPTION)) BeginCaptionDrag(hwnd, p);
            // The close box closes the window as Alt+F4 does.
            if (wParam == static_cast<WPARAM>(HTCLOSE)) PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            if (wParam == static_cast<WPARAM>(HTVSCROLL)) ScrollBarMouseDown(hwnd, SB_VERT, p);
            if (wParam == static_cast<WPARAM>(HTHSCROLL)) ScrollBarMouseDown(hwnd, SB_HORZ, p);
            return 0;
        }
        case WM_NCLBUTTONDBLCLK:
            if (wParam == static_cast<WPARAM>(HTCAPTION) &&
                (w->style & WS_MAXIMIZEBOX || (w->style & WS_CAPTION) == WS_CAPTION)) {
                SendMessage(hwnd, WM_SYSCOMMAND, w->maximized ? SC_RESTORE : SC_MAXIMIZE, lParam);
            }
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            // A child's system keys are its window's (the menu bar, Alt+F4).
            if (w->parent != nullptr) return SendMessage(w->parent, msg, wParam, lParam);
            if (msg == WM_SYSKEYUP) {
                if (wParam == static_cast<WPARAM>(VK_MENU)) EnterMenuBar(hwnd, 0, false);
                return 0;
            }
            if (wParam == static_cast<WPARAM>(VK_F1 + 3))
                SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            else if (wParam == static_cast<WPARAM>(VK_F1 + 9))
                EnterMenuBar(hwnd, 0, false);
            else if (int position = wParam < 0x80 ? MenuBarPositionOf(GetMenu(hwnd),
                                                                      static_cast<char>(wParam))
                                                  : -1;
                     position >= 0)
                EnterMenuBar(hwnd, position, true);
            else if (HWND owner = GetWindow(hwnd, GW_OWNER);
                     owner != nullptr && IsWindowEnabled(owner) && wParam < 0x80 &&
                     MenuBarPositionOf(GetMenu(owner), static_cast<char>(wParam)) >= 0)
                // A letter the window's own bar does not underline opens the
                // menu of its owner's bar (the main menu from a page or graph).
                return SendMessage(owner, msg, wParam, lParam);
            return 0;
        case WM_MOUSEWHEEL:
            // Unhandled wheel messages travel up to the parent.
            if (w->parent != nullptr) return SendMessage(w->parent, msg, wParam, lParam);
            return 0;
        case WM_MOUSEACTIVATE:
            return 1;
        default:
            return 0;
    }
}

}  // namespace win
