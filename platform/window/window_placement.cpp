// Window geometry: the non-client frame (caption, border, menu bar, scroll
// bars), coordinate mapping, showing, maximising, moving, sizing and z-order.
#include <algorithm>

#include "platform/system/system.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

int CaptionHeight(const Window& w) {
    return (w.style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
}

RECT CloseBoxOfCaption(const Window& w, int width) {
    const int height = CaptionHeight(w);
    if (height < 8 || (w.style & WS_SYSMENU) == 0) return RECT{0, 0, 0, 0};
    // A square button two pixels in from the caption's top, bottom and end.
    const int side = height - 5;
    return RECT{width - 2 - side, 2, width - 2, 2 + side};
}

int MenuBarHeight(const Window& w) {
    return (w.parent == nullptr && w.menu != nullptr && (w.style & WS_CHILD) == 0)
               ? GetSystemMetrics(SM_CYMENU)
               : 0;
}

Insets NonClientInsets(const Window& w) {
    int frame = 0;
    if (w.style & WS_THICKFRAME)
        frame = GetSystemMetrics(SM_CXFRAME);
    else if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME))
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    else if (w.style & WS_BORDER)
        frame = GetSystemMetrics(SM_CXBORDER);
    if (w.exStyle & WS_EX_CLIENTEDGE) frame += 2;
    Insets in{frame, frame, frame, frame};
    in.top += CaptionHeight(w) + MenuBarHeight(w);
    if (w.vscroll.visible) in.right += GetSystemMetrics(SM_CXVSCROLL);
    if (w.hscroll.visible) in.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return in;
}

RECT ScreenRect(const Window& w) {
    RECT r = w.rect;
    if (const Window* p = FindWindowRecord(w.parent)) {
        POINT o = ClientOriginOnScreen(*p);
        r.left += o.x;
        r.right += o.x;
        r.top += o.y;
        r.bottom += o.y;
    }
    return r;
}

POINT ClientOriginOnScreen(const Window& w) {
    RECT r = ScreenRect(w);
    Insets in = NonClientInsets(w);
    return POINT{r.left + in.left, r.top + in.top};
}

int ClientWidth(const Window& w) {
    Insets in = NonClientInsets(w);
    return std::max(0, static_cast<int>(w.rect.right - w.rect.left) - in.left - in.right);
}

int ClientHeight(const Window& w) {
    Insets in = NonClientInsets(w);
    return std::max(0, static_cast<int>(w.rect.bottom - w.rect.top) - in.top - in.bottom);
}

namespace {

// Moves and sizes the window, sending WM_MOVE and WM_SIZE for what changed
// and invalidating the client area when its size changed.
void PlaceWindow(HWND hwnd, RECT target, WPARAM sizeKind, bool repaint) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    RECT old = w->rect;
    int oldCw = ClientWidth(*w);
    int oldCh = ClientHeight(*w);
    w->rect = target;
    bool moved = old.left != target.left || old.top != target.top;
    bool sized = (old.right - old.left) != (target.right - target.left) ||
                 (old.bottom - old.top) != (target.bottom - target.top);
    SyncSurface(*w);
    int cw = ClientWidth(*w);
    int ch = ClientHeight(*w);
    bool clientSized = cw != oldCw || ch != oldCh;
    if (repaint && (sized || clientSized)) {
        InvalidateWhole(hwnd, true);
        if (w->parent != nullptr) InvalidateRect(w->parent, &old, TRUE);
    } else if (repaint && moved && w->parent != nullptr) {
        InvalidateRect(w->parent, &old, TRUE);
        InvalidateWhole(hwnd, true);
    }
    if (moved) {
        POINT o = ClientOriginOnScreen(*w);
        if (w->parent != nullptr) ScreenToClient(w->parent, &o);
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(o.x), static_cast<WORD>(o.y)));
    }
    if ((sized || clientSized || sizeKind != SIZE_RESTORED) && IsWindow(hwnd)) {
        SendMessage(hwnd, WM_SIZE, sizeKind,
                    MAKELPARAM(static_cast<WORD>(cw), static_cast<WORD>(ch)));
    }
}

RECT MaximizedRect(const Window& w) {
    if (const Window* p = FindWindowRecord(w.parent))
        return RECT{0, 0, ClientWidth(*p), ClientHeight(*p)};
    MONITORINFO mi;
    GetMonitorInfo(MonitorFromWindow(w.handle, MONITOR_DEFAULTTOPRIMARY), &mi);
    return mi.rcWork;
}

void RaiseInList(std::vector<HWND>& list, HWND hwnd, bool toBottom) {
    auto it = std::find(list.begin(), list.end(), hwnd);
    if (it == list.end()) return;
    list.erase(it);
    if (toBottom)
        list.push_back(hwnd);
    else
        list.insert(list.begin(), hwnd);
}

// Owned windows stay above their owner: raising a top-level window raises
// the windows it owns (and theirs) above it, keeping their own order.
void RaiseOwned(HWND owner, int depth) {
    if (depth > 32) return;  // an ownership cycle cannot raise for ever
    std::vector<HWND>& list = TopLevelList();
    std::vector<HWND> owned;
    for (HWND h : list) {
        if (Window* o = FindWindowRecord(h); o != nullptr && o->owner == owner && h != owner)
            owned.push_back(h);
    }
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        RaiseInList(list, *it, false);
        RaiseOwned(*it, depth + 1);
    }
}

void Raise(HWND hwnd, bool toBottom) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    if (Window* p = FindWindowRecord(w->parent)) {
        RaiseInList(p->children, hwnd, toBottom);
        return;
    }
    RaiseInList(TopLevelList(), hwnd, toBottom);
    if (!toBottom) RaiseOwned(hwnd, 0);
}

}  // namespace
}  // namespace detail

using detail::FindWindowRecord;
using detail::Window;

BOOL IsWindowVisible(HWND hwnd) {
    // Visible when the window and every parent have the visible style.
    Window* w = FindWindowRecord(hwnd);
    while (w != nullptr) {
        if ((w->style & WS_VISIBLE) == 0) return FALSE;
        if (w->parent == nullptr) return TRUE;
        w = FindWindowRecord(w->parent);
    }
    return FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    return (w != nullptr && w->maximized) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    return (w != nullptr && w->minimized) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    if (rect == nullptr) return FALSE;
    if (hwnd == GetDesktopWindow()) {
        *rect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return TRUE;
    }
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    *rect = detail::ScreenRect(*w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    if (rect == nullptr) return FALSE;
    if (hwnd == GetDesktopWindow()) return GetWindowRect(hwnd, rect);
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    *rect = RECT{0, 0, detail::ClientWidth(*w), detail::ClientHeight(*w)};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || point == nullptr) return FALSE;
    POINT o = detail::ClientOriginOnScreen(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || point == nullptr) return FALSE;
    POINT o = detail::ClientOriginOnScreen(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT a{0, 0};
    POINT b{0, 0};
    if (from != nullptr) ClientToScreen(from, &a);
    if (to != nullptr) ClientToScreen(to, &b);
    int dx = a.x - b.x;
    int dy = a.y - b.y;
    for (UINT i = 0; points != nullptr && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL hasMenu) {
    if (rect == nullptr) return FALSE;
    Window probe;
    probe.style = style;
    probe.menu = hasMenu ? detail::HandleFromSerial<HMENU>(1) : nullptr;
    detail::Insets in = detail::NonClientInsets(probe);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

BOOL ShowWindow(HWND hwnd, int command) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    BOOL wasVisible = (w->style & WS_VISIBLE) ? TRUE : FALSE;
    bool show = command != SW_HIDE;
    bool activate = command == SW_SHOWNORMAL || command == SW_SHOW || command == SW_MAXIMIZE ||
                    command == SW_RESTORE;
    if (show && !wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (!show && wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
    w = FindWindowRecord(hwnd);
    if (w == nullptr) return wasVisible;
    if (show)
        w->style |= WS_VISIBLE;
    else
        w->style &= ~WS_VISIBLE;

    switch (command) {
        case SW_MAXIMIZE:
            if (!w->maximized) {
                if (!w->minimized) w->restoreRect = w->rect;
                w->maximized = true;
                w->minimized = false;
                w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
                detail::PlaceWindow(hwnd, detail::MaximizedRect(*w), SIZE_MAXIMIZED, true);
            }
            break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
        case SW_SHOWMINNOACTIVE:
            if (!w->minimized) {
                if (!w->maximized) w->restoreRect = w->rect;
                w->minimized = true;
                w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
                SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
            }
            break;
        case SW_RESTORE:
        case SW_SHOWNORMAL:
            if (w->maximized || w->minimized) {
                w->maximized = false;
                w->minimized = false;
                w->style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
                detail::PlaceWindow(hwnd, w->restoreRect, SIZE_RESTORED, true);
            }
            break;
        default:
            break;
    }
    if (!IsWindow(hwnd)) return wasVisible;
    w = FindWindowRecord(hwnd);
    if (show && !wasVisible) {
        detail::InvalidateWhole(hwnd, true);
        if (w->parent == nullptr) detail::Raise(hwnd, false);
    }
    if (!show && wasVisible) {
        if (w->parent != nullptr) {
            RECT r = w->rect;
            InvalidateRect(w->parent, &r, TRUE);
        }
        HWND focus = GetFocus();
        if (focus == hwnd || IsChild(hwnd, focus)) SetFocus(w->parent ? w->parent : w->owner);
    }
    if (show && activate && w->parent == nullptr) {
        detail::Raise(hwnd, false);
        HWND focus = GetFocus();
        if (focus != hwnd && !IsChild(hwnd, focus)) SetActiveWindow(hwnd);
    }
    return wasVisible;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    detail::PlaceWindow(hwnd, RECT{x, y, x + width, y + height}, SIZE_RESTORED, repaint != FALSE);
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    RECT r = w->rect;
    if (!(flags & SWP_NOMOVE)) {
        r.right += x - r.left;
        r.bottom += y - r.top;
        r.left = x;
        r.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        r.right = r.left + cx;
        r.bottom = r.top + cy;
    }
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_BOTTOM)
            detail::Raise(hwnd, true);
        else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST ||
                 insertAfter == HWND_NOTOPMOST)
            detail::Raise(hwnd, false);
    }
    detail::PlaceWindow(hwnd, r, SIZE_RESTORED, (flags & SWP_NOREDRAW) == 0);
    if (!IsWindow(hwnd)) return TRUE;
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL BringWindowToTop(HWND hwnd) {
    if (!IsWindow(hwnd)) return FALSE;
    detail::Raise(hwnd, false);
    return TRUE;
}

namespace {

bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The deepest visible child under the screen point that takes the click.
HWND DeepestChildAt(HWND hwnd, POINT screen) {
    Window* w = FindWindowRecord(hwnd);
    std::vector<HWND> children = w->children;
    for (HWND c : children) {
        Window* cw = FindWindowRecord(c);
        if (cw == nullptr || !(cw->style & WS_VISIBLE) ||
            !Contains(detail::ScreenRect(*cw), screen))
            continue;
        // Group boxes and plain labels let clicks through to what lies below.
        LRESULT hit =
            SendMessage(c, WM_NCHITTEST, 0,
                        MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y)));
        if (hit == HTTRANSPARENT) continue;
        return DeepestChildAt(c, screen);
    }
    return hwnd;
}

}  // namespace

HWND WindowFromPoint(POINT screenPoint) {
    for (HWND top : detail::TopLevelWindows()) {
        Window* w = FindWindowRecord(top);
        if ((w->style & WS_VISIBLE) && Contains(detail::ScreenRect(*w), screenPoint))
            return DeepestChildAt(top, screenPoint);
    }
    return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT clientPoint) {
    Window* w = FindWindowRecord(parent);
    if (w == nullptr) return nullptr;
    RECT client{0, 0, detail::ClientWidth(*w), detail::ClientHeight(*w)};
    if (!Contains(client, clientPoint)) return nullptr;
    for (HWND c : w->children) {
        if (Contains(FindWindowRecord(c)->rect, clientPoint)) return c;
    }
    return parent;
}

}  // namespace win
