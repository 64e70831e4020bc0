// Rectangle and point helpers on RECT / POINT (right and bottom exclusive).
#pragma once

#include <algorithm>

#include "platform/window/win_types.h"

namespace win {

inline BOOL SetRect(RECT* r, int left, int top, int right, int bottom) {
    if (r == nullptr) return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}
inline BOOL SetRectEmpty(RECT* r) {
    return SetRect(r, 0, 0, 0, 0);
}
inline BOOL CopyRect(RECT* dst, const RECT* src) {
    if (dst == nullptr || src == nullptr) return FALSE;
    *dst = *src;
    return TRUE;
}
inline BOOL IsRectEmpty(const RECT* r) {
    return (r == nullptr || r->right <= r->left || r->bottom <= r->top) ? TRUE : FALSE;
}
inline BOOL EqualRect(const RECT* a, const RECT* b) {
    return (a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
            a->bottom == b->bottom)
               ? TRUE
               : FALSE;
}
inline BOOL PtInRect(const RECT* r, POINT p) {
    return (r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom) ? TRUE
                                                                                       : FALSE;
}
inline BOOL OffsetRect(RECT* r, int dx, int dy) {
    if (r == nullptr) return FALSE;
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return TRUE;
}
inline BOOL InflateRect(RECT* r, int dx, int dy) {
    if (r == nullptr) return FALSE;
    r->left -= dx;
    r->right += dx;
    r->top -= dy;
    r->bottom += dy;
    return TRUE;
}
// Empty result (and FALSE) when the rectangles do not overlap.
inline BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b) {
    if (out == nullptr || a == nullptr || b == nullptr) return FALSE;
    RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *out = RECT{};
        return FALSE;
    }
    *out = r;
    return TRUE;
}
// The smallest rectangle holding both; an empty input is ignored.
inline BOOL UnionRect(RECT* out, const RECT* a, const RECT* b) {
    if (out == nullptr || a == nullptr || b == nullptr) return FALSE;
    if (IsRectEmpty(a)) {
        *out = IsRectEmpty(b) ? RECT{} : *b;
    } else if (IsRectEmpty(b)) {
        *out = *a;
    } else {
        *out = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                    std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return IsRectEmpty(out) ? FALSE : TRUE;
}

}  // namespace win
