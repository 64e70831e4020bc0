// Update regions and the paint-message side: invalidation, validation,
// UpdateWindow, erase requests and scrolling the client picture.
//
// A window's update region is kept as one bounding rectangle; painting more
// than the exact region costs a little time and never leaves stale pixels.
#include <algorithm>
#include <cstring>

#include "platform/drivers/driver.h"
#include "platform/window/rect.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

EraseHook& EraseHookSlot() {
    static EraseHook hook = nullptr;
    return hook;
}

RECT ClientBounds(const Window& w) {
    return RECT{0, 0, ClientWidth(w), ClientHeight(w)};
}

void AddUpdate(HWND hwnd, const RECT& area, bool erase) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    RECT clipped;
    RECT bounds = ClientBounds(*w);
    if (!IntersectRect(&clipped, &area, &bounds)) return;
    if (w->updatePending) {
        UnionRect(&w->update, &w->update, &clipped);
    } else {
        w->update = clipped;
        w->updatePending = true;
    }
    w->eraseNeeded = w->eraseNeeded || erase;
    // Children under the area repaint too unless the parent clips them out.
    if (w->style & WS_CLIPCHILDREN) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) {
        Window* cw = FindWindowRecord(c);
        RECT overlap;
        if (cw == nullptr || !IntersectRect(&overlap, &clipped, &cw->rect)) continue;
        POINT o = ClientOriginOnScreen(*cw);
        POINT p = ClientOriginOnScreen(*w);
        OffsetRect(&overlap, p.x - o.x, p.y - o.y);
        AddUpdate(c, overlap, erase);
    }
}

}  // namespace

void InvalidateWhole(HWND hwnd, bool erase) {
    Window* w = FindWindowRecord(hwnd);
    if (w != nullptr) AddUpdate(hwnd, ClientBounds(*w), erase);
}

void ForgetPaint(Window& w) {
    w.updatePending = false;
    w.eraseNeeded = false;
    w.update = RECT{};
}

bool AnyPaintPending() {
    for (HWND h : AllWindowsPaintOrder()) {
        if (FindWindowRecord(h)->updatePending && IsWindowVisible(h)) return true;
    }
    return false;
}

UpdateTake TakeUpdateRegion(HWND hwnd) {
    UpdateTake take;
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return take;
    ++w->paintSerial;
    if (w->updatePending) {
        take.rect = w->update;
        take.erase = w->eraseNeeded;
    }
    ForgetPaint(*w);
    return take;
}

void SetEraseHook(EraseHook hook) {
    EraseHookSlot() = hook;
}

// DefWindowProc's WM_ERASEBKGND.
LRESULT EraseBackground(HWND hwnd, HDC hdc) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr || w->windowClass->background == nullptr) return 0;
    return EraseWithBrush(hwnd, hdc, w->windowClass->background);
}

LRESULT EraseWithBrush(HWND hwnd, HDC hdc, HBRUSH brush) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    if (EraseHookSlot() != nullptr) return EraseHookSlot()(hwnd, hdc, brush);
    w->surface.Fill(0x00FFFFFF);
    return 1;
}

}  // namespace detail

using detail::FindWindowRecord;
using detail::Window;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) {
        // The desktop (null window) repaints every window.
        if (hwnd != nullptr) return FALSE;
        for (HWND h : detail::AllWindowsPaintOrder()) detail::InvalidateWhole(h, erase != FALSE);
        return TRUE;
    }
    if (rect == nullptr)
        detail::InvalidateWhole(hwnd, erase != FALSE);
    else
        detail::AddUpdate(hwnd, *rect, erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    if (rect == nullptr) {
        detail::ForgetPaint(*w);
        return TRUE;
    }
    // Only a rectangle covering the whole pending area validates it; a
    // partial validation keeps the bounding rectangle pending.
    RECT covered;
    if (IntersectRect(&covered, rect, &w->update) && EqualRect(&covered, &w->update))
        detail::ForgetPaint(*w);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    if (rect != nullptr) *rect = w->updatePending ? w->update : RECT{};
    return w->updatePending ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) return FALSE;
    std::vector<HWND> order{hwnd};
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (Window* w = FindWindowRecord(order[i])) {
            for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
                order.push_back(*it);
        }
    }
    for (HWND h : order) {
        Window* w = FindWindowRecord(h);
        if (w == nullptr || !w->updatePending || !IsWindowVisible(h)) continue;
        MSG m;
        m.hwnd = h;
        m.message = WM_PAINT;
        DispatchMessage(&m);
    }
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN, UINT flags) {
    if (!IsWindow(hwnd)) return FALSE;
    if (flags & RDW_INVALIDATE) InvalidateRect(hwnd, rect, (flags & RDW_ERASE) ? TRUE : FALSE);
    if (flags & RDW_UPDATENOW) UpdateWindow(hwnd);
    return TRUE;
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect, HRGN,
                   RECT* updateRect, UINT flags) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    RECT area = scrollRect ? *scrollRect : detail::ClientBounds(*w);
    RECT clip = detail::ClientBounds(*w);
    if (clipRect != nullptr) IntersectRect(&clip, &clip, clipRect);
    IntersectRect(&area, &area, &clip);
    Surface s = w->surface.View();
    // Move the pixels of `area` by (dx, dy), within `clip`.
    if (!s.Empty() && !IsRectEmpty(&area)) {
        std::vector<std::uint32_t> copy(
            s.pixels,
            s.pixels + static_cast<std::size_t>(s.stride) * static_cast<std::size_t>(s.height));
        for (int y = area.top; y < area.bottom; ++y) {
            int ty = y + dy;
            if (ty < clip.top || ty >= clip.bottom) continue;
            for (int x = area.left; x < area.right; ++x) {
                int tx = x + dx;
                if (tx < clip.left || tx >= clip.right) continue;
                s.Row(ty)[tx] =
                    copy[static_cast<std::size_t>(y) * static_cast<std::size_t>(s.stride) +
                         static_cast<std::size_t>(x)];
            }
        }
    }
    // The uncovered strips need painting.
    RECT exposed{};
    if (dy > 0)
        exposed = RECT{area.left, area.top, area.right, std::min(area.bottom, area.top + dy)};
    if (dy < 0)
        exposed = RECT{area.left, std::max(area.top, area.bottom + dy), area.right, area.bottom};
    RECT exposedX{};
    if (dx > 0)
        exposedX = RECT{area.left, area.top, std::min(area.right, area.left + dx), area.bottom};
    if (dx < 0)
        exposedX = RECT{std::max(area.left, area.right + dx), area.top, area.right, area.bottom};
    UnionRect(&exposed, &exposed, &exposedX);
    if (updateRect != nullptr) *updateRect = exposed;
    // A pending update region moves with the picture.
    if (w->updatePending) {
        OffsetRect(&w->update, dx, dy);
        RECT bounds = detail::ClientBounds(*w);
        if (!IntersectRect(&w->update, &w->update, &bounds)) detail::ForgetPaint(*w);
    }
    bool invalidate = scrollRect == nullptr || (flags & SW_INVALIDATE);
    if (invalidate && !IsRectEmpty(&exposed))
        detail::AddUpdate(hwnd, exposed, (flags & SW_ERASE) != 0);
    if (scrollRect == nullptr || (flags & SW_SCROLLCHILDREN)) {
        std::vector<HWND> children = w->children;
        for (HWND c : children) {
            if (Window* cw = FindWindowRecord(c)) {
                OffsetRect(&cw->rect, dx, dy);
            }
        }
    }
    return IsRectEmpty(&exposed) ? 1 : 2;
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scrollRect, const RECT* clipRect) {
    return ScrollWindowEx(hwnd, dx, dy, scrollRect, clipRect, nullptr, nullptr,
                          scrollRect ? SW_INVALIDATE | SW_ERASE : SW_ERASE) != 0;
}

}  // namespace win
