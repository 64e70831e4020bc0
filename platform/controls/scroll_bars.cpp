// Scroll bars: the vertical and horizontal bars of a window and the
// scroll-bar control class. Range, page, position and track position follow
// the usual rule: the position stays within minimum .. maximum - page + 1.
#include <algorithm>

#include "platform/controls/controls.h"
#include "platform/system/system.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

void BeginThumbDrag(HWND hwnd, int bar, POINT screen);

namespace {

bool IsScrollControl(const Window& w) {
    return EqualsNoCase(w.windowClass->name, "SCROLLBAR");
}

ScrollState* BarOf(HWND hwnd, int bar) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return nullptr;
    if (bar == SB_CTL) return IsScrollControl(*w) ? &w->vscroll : nullptr;
    if (bar == SB_VERT) return &w->vscroll;
    if (bar == SB_HORZ) return &w->hscroll;
    return nullptr;
}

int MaxPos(const SCROLLINFO& si) {
    int page = static_cast<int>(si.nPage);
    return std::max(si.nMin, si.nMax - std::max(page - 1, 0));
}

void Clamp(SCROLLINFO& si) {
    if (si.nMax < si.nMin) si.nMax = si.nMin;
    UINT span = static_cast<UINT>(si.nMax - si.nMin + 1);
    if (si.nPage > span) si.nPage = span;
    si.nPos = std::clamp(si.nPos, si.nMin, MaxPos(si));
}

void Redraw(HWND hwnd, int bar) {
    // A control repaints itself; a window's bars are part of its frame and
    // are drawn with it.
    if (bar == SB_CTL) InvalidateRect(hwnd, nullptr, FALSE);
    if (Window* w = FindWindowRecord(hwnd); w != nullptr && w->parent == nullptr)
        InvalidateRect(hwnd, nullptr, FALSE);
}

// The position that puts the thumb's start `offset` pixels into the track,
// to the nearest.
int PosAt(const SCROLLINFO& si, int length, int thickness, int offset) {
    ScrollBarGeometry g = MeasureScrollBar(si, length, thickness);
    int track = std::max(1, length - 2 * g.arrow);
    int room = std::max(1, track - g.thumbLength);
    int span = MaxPos(si) - si.nMin;
    offset = std::clamp(offset, 0, room);
    return si.nMin + static_cast<int>((static_cast<long long>(span) * offset + room / 2) / room);
}

struct BarPlace {
    RECT screen;
    bool vertical = true;
    [[nodiscard]] int Length() const {
        return vertical ? screen.bottom - screen.top : screen.right - screen.left;
    }
    [[nodiscard]] int Thickness() const {
        return vertical ? screen.right - screen.left : screen.bottom - screen.top;
    }
};

BarPlace PlaceOf(HWND hwnd, int bar) {
    Window* w = FindWindowRecord(hwnd);
    BarPlace p;
    if (bar == SB_CTL) {
        p.screen = ScreenRect(*w);
        p.vertical = (w->style & SBS_VERT) != 0;
        return p;
    }
    POINT o = ClientOriginOnScreen(*w);
    int cw = ClientWidth(*w);
    int ch = ClientHeight(*w);
    p.vertical = bar == SB_VERT;
    int thick = GetSystemMetrics(p.vertical ? SM_CXVSCROLL : SM_CYHSCROLL);
    p.screen = p.vertical ? RECT{o.x + cw, o.y, o.x + cw + thick, o.y + ch}
                          : RECT{o.x, o.y + ch, o.x + cw, o.y + ch + thick};
    return p;
}

void SendScroll(HWND hwnd, int bar, int code, int pos) {
    Window* w = FindWindowRecord(hwnd);
    if (w == nullptr) return;
    bool vertical = bar == SB_CTL ? (w->style & SBS_VERT) != 0 : bar == SB_VERT;
    UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
    WPARAM wp = MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos));
    if (bar == SB_CTL)
        SendMessage(w->parent, msg, wp, reinterpret_cast<LPARAM>(hwnd));
    else
        SendMessage(hwnd, msg, wp, 0);
}

// The request a key makes of a focused scroll-bar control, -1 for none.
int KeyScrollCode(int key) {
    switch (key) {
        case VK_UP:
        case VK_LEFT:
            return SB_LINEUP;
        case VK_DOWN:
        case VK_RIGHT:
            return SB_LINEDOWN;
        case VK_PRIOR:
            return SB_PAGEUP;
        case VK_NEXT:
            return SB_PAGEDOWN;
        case VK_HOME:
            return SB_TOP;
        case VK_END:
            return SB_BOTTOM;
        default:
            return -1;
    }
}

}  // namespace

// A click at a screen point on a bar: arrows step a line, the track a page,
// the thumb starts a drag.
void ScrollBarMouseDown(HWND hwnd, int bar, POINT screen) {
    ScrollState* s = BarOf(hwnd, bar);
    if (s == nullptr || !s->enabled) return;
    BarPlace place = PlaceOf(hwnd, bar);
    int length = place.Length();
    int along = place.vertical ? screen.y - place.screen.top : screen.x - place.screen.left;
    ScrollBarGeometry g = MeasureScrollBar(s->info, length, place.Thickness());
    int code = -1;
    if (along < g.arrow)
        code = SB_LINEUP;
    else if (along >= length - g.arrow)
        code = SB_LINEDOWN;
    else if (g.thumbLength == 0)
        return;  // no thumb: the track does nothing
    else if (along < g.thumbStart)
        code = SB_PAGEUP;
    else if (along >= g.thumbStart + g.thumbLength)
        code = SB_PAGEDOWN;
    if (code < 0) {
        s->tracking = true;
        s->info.nTrackPos = s->info.nPos;
        s->grabAlong = along;
        s->grabOffset = along - g.thumbStart;
        s->grabPos = s->info.nPos;
        BeginThumbDrag(hwnd, bar, screen);
        return;
    }
    SendScroll(hwnd, bar, code, 0);
    SendScroll(hwnd, bar, SB_ENDSCROLL, 0);
}

// Thumb drags: the position under the pointer while moving, the final
// position and the end of the scroll on release.
void ScrollThumbMoved(HWND hwnd, int bar, POINT screen, bool released) {
    ScrollState* s = BarOf(hwnd, bar);
    if (s == nullptr) return;
    BarPlace place = PlaceOf(hwnd, bar);
    int along = place.vertical ? screen.y - place.screen.top : screen.x - place.screen.left;
    // The thumb keeps the spot where it was grabbed under the pointer; back
    // where it started, it has its old position.
    int arrow = MeasureScrollBar(s->info, place.Length(), place.Thickness()).arrow;
    int pos = along == s->grabAlong ? s->grabPos
                                    : PosAt(s->info, place.Length(), place.Thickness(),
                                            along - s->grabOffset - arrow);
    s->info.nTrackPos = pos;
    if (bar == SB_CTL) InvalidateRect(hwnd, nullptr, FALSE);  // the thumb follows the pointer
    if (!released) {
        SendScroll(hwnd, bar, SB_THUMBTRACK, pos);
        return;
    }
    SendScroll(hwnd, bar, SB_THUMBPOSITION, pos);
    if ((s = BarOf(hwnd, bar)) != nullptr) s->tracking = false;
    SendScroll(hwnd, bar, SB_ENDSCROLL, 0);
}

// Scripted drags send the same sequence without pointer geometry.
void ScriptedThumbDrag(HWND hwnd, int bar, int pos) {
    ScrollState* s = BarOf(hwnd, bar);
    if (s == nullptr) return;
    s->tracking = true;
    int target = std::clamp(pos, s->info.nMin, MaxPos(s->info));
    s->info.nTrackPos = target;
    SendScroll(hwnd, bar, SB_THUMBTRACK, target);
    SendScroll(hwnd, bar, SB_THUMBPOSITION, target);
    if ((s = BarOf(hwnd, bar)) != nullptr) s->tracking = false;
    SendScroll(hwnd, bar, SB_ENDSCROLL, 0);
}

void ScriptedArrowClick(HWND hwnd, int bar, bool down) {
    if (BarOf(hwnd, bar) == nullptr) return;
    SendScroll(hwnd, bar, down ? SB_LINEDOWN : SB_LINEUP, 0);
    SendScroll(hwnd, bar, SB_ENDSCROLL, 0);
}

}  // namespace detail

ScrollBarGeometry MeasureScrollBar(const SCROLLINFO& info, int length, int thickness) {
    ScrollBarGeometry g;
    g.arrow = std::max(0, std::min(thickness, length / 2));
    const int range = info.nMax - info.nMin + 1;
    const int track = length - 2 * g.arrow;
    if (range <= 0 || track <= 8) return g;
    const int page = info.nPage > 0 ? static_cast<int>(info.nPage) : 1;
    g.thumbLength =
        std::clamp(static_cast<int>(static_cast<long long>(track) * page / range), 8, track);
    const int span = std::max(1, range - page);
    g.thumbStart = g.arrow + static_cast<int>(static_cast<long long>(track - g.thumbLength) *
                                              std::clamp(info.nPos - info.nMin, 0, span) / span);
    return g;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    detail::ScrollState* s = detail::BarOf(hwnd, bar);
    if (s == nullptr || info == nullptr) return 0;
    SCROLLINFO& si = s->info;
    if (info->fMask & SIF_RANGE) {
        si.nMin = info->nMin;
        si.nMax = info->nMax;
    }
    if (info->fMask & SIF_PAGE) si.nPage = info->nPage;
    if (info->fMask & SIF_POS) si.nPos = info->nPos;
    detail::Clamp(si);
    if (!s->tracking) si.nTrackPos = si.nPos;
    if (redraw) detail::Redraw(hwnd, bar);
    return si.nPos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    detail::ScrollState* s = detail::BarOf(hwnd, bar);
    if (s == nullptr || info == nullptr) return FALSE;
    const SCROLLINFO& si = s->info;
    if (info->fMask & SIF_RANGE) {
        info->nMin = si.nMin;
        info->nMax = si.nMax;
    }
    if (info->fMask & SIF_PAGE) info->nPage = si.nPage;
    if (info->fMask & SIF_POS) info->nPos = si.nPos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->tracking ? si.nTrackPos : si.nPos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    detail::ScrollState* s = detail::BarOf(hwnd, bar);
    if (s == nullptr) return 0;
    int old = s->info.nPos;
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar) {
    detail::ScrollState* s = detail::BarOf(hwnd, bar);
    return s != nullptr ? s->info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = minPos;
    si.nMax = maxPos;
    if (detail::BarOf(hwnd, bar) == nullptr) return FALSE;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    detail::ScrollState* s = detail::BarOf(hwnd, bar);
    if (s == nullptr) return FALSE;
    if (minPos) *minPos = s->info.nMin;
    if (maxPos) *maxPos = s->info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    detail::Window* w = detail::FindWindowRecord(hwnd);
    if (w == nullptr) return FALSE;
    if (bar == SB_CTL) {
        ShowWindow(hwnd, show ? SW_SHOWNA : SW_HIDE);
        return TRUE;
    }
    DWORD style = w->style;
    DWORD bits = (bar == SB_VERT   ? WS_VSCROLL
                  : bar == SB_HORZ ? WS_HSCROLL
                                   : WS_VSCROLL | WS_HSCROLL);
    style = show ? (style | bits) : (style & ~bits);
    if (style != w->style) SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<std::int32_t>(style));
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, int bar, UINT arrows) {
    detail::ScrollState* s = detail::BarOf(hwnd, bar);
    if (s == nullptr) return FALSE;
    s->enabled = arrows == 0;  // 0 enables both arrows; anything else disables
    return TRUE;
}

// ---- The scroll-bar control ------------------------------------------------------------

LRESULT detail::ScrollBarControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE: {
            detail::Window* w = detail::FindWindowRecord(hwnd);
            w->vscroll.info.nMax = 100;
            return 0;
        }
        case WM_LBUTTONDOWN: {
            if (!IsWindowEnabled(hwnd)) return 0;
            if (GetWindowLong(hwnd, GWL_STYLE) & WS_TABSTOP) SetFocus(hwnd);
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ClientToScreen(hwnd, &p);
            detail::ScrollBarMouseDown(hwnd, SB_CTL, p);
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            return detail::ScrollBarControlProc(hwnd, WM_LBUTTONDOWN, wParam, lParam);
        case WM_KEYDOWN:
            // The keyboard steps as the arrows and the track do.
            if (const int code = KeyScrollCode(static_cast<int>(wParam)); code >= 0)
                SendScroll(hwnd, SB_CTL, code, 0);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            detail::Window* w = detail::FindWindowRecord(hwnd);
            ControlPaintInfo info;
            info.kind = ControlKind::ScrollBar;
            info.scroll = w->vscroll.info;
            if (w->vscroll.tracking)
                info.scroll.nPos = w->vscroll.info.nTrackPos;  // under the pointer
            info.vertical = (w->style & SBS_VERT) != 0;
            detail::PaintControlInfo(hwnd, info);
            return 0;
        }
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace win
