// Mapping modes: the text mode (one logical unit is one pixel, y down) and
// the anisotropic mode (window and viewport origins and extents chosen
// freely, so y may point up), and conversions between the two spaces.
#include <algorithm>

#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/metafile/metafile_ops.h"

namespace win {

Xform MappingXform(const DcState& s) {
    Xform x;
    if (s.mapMode == MM_ANISOTROPIC) {
        x.sx = static_cast<double>(s.viewportExt.cx) / s.windowExt.cx;
        x.sy = static_cast<double>(s.viewportExt.cy) / s.windowExt.cy;
    }
    x.tx = s.viewportOrg.x - s.windowOrg.x * x.sx;
    x.ty = s.viewportOrg.y - s.windowOrg.y * x.sy;
    return x;
}

Xform DrawXform(const DcState& s) {
    const Xform m = MappingXform(s);
    Xform x;
    x.sx = m.sx * s.playSx;
    x.tx = m.tx * s.playSx + s.playTx;
    x.sy = m.sy * s.playSy;
    x.ty = m.ty * s.playSy + s.playTy;
    return x;
}

RECT ToDeviceRect(const Xform& x, int left, int top, int right, int bottom) {
    const POINT a = ToDevicePixel(x, left, top);
    const POINT b = ToDevicePixel(x, right, bottom);
    RECT r;
    r.left = std::min(a.x, b.x);
    r.right = std::max(a.x, b.x);
    r.top = std::min(a.y, b.y);
    r.bottom = std::max(a.y, b.y);
    return r;
}

int SetMapMode(HDC hdc, int mode) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || (mode != MM_TEXT && mode != MM_ANISOTROPIC)) return 0;
    Record(*dc, ops::SetAttr{ops::Attr::MapMode, static_cast<std::uint32_t>(mode)});
    const int previous = dc->state.mapMode;
    dc->state.mapMode = mode;
    if (mode == MM_TEXT) {
        dc->state.windowExt = SIZE{1, 1};
        dc->state.viewportExt = SIZE{1, 1};
    }
    return previous;
}

int GetMapMode(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    return dc == nullptr ? 0 : dc->state.mapMode;
}

namespace {

BOOL SetOrigin(HDC hdc, POINT DcState::*field, ops::PointAttr attr, int x, int y, POINT* previous) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    Record(*dc, ops::SetPoint{attr, POINT{x, y}});
    if (previous != nullptr) *previous = dc->state.*field;
    dc->state.*field = POINT{x, y};
    return TRUE;
}

// Extents only count in the anisotropic mode; a zero extent is refused
// (it would make the mapping singular).
BOOL SetExtent(HDC hdc, SIZE DcState::*field, ops::PointAttr attr, int x, int y, SIZE* previous) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    if (previous != nullptr) *previous = dc->state.*field;
    if (dc->state.mapMode != MM_ANISOTROPIC) return TRUE;
    if (x == 0 || y == 0) return FALSE;
    Record(*dc, ops::SetPoint{attr, POINT{x, y}});
    dc->state.*field = SIZE{x, y};
    return TRUE;
}

template <typename T>
BOOL Get(HDC hdc, T DcState::*field, T* out) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || out == nullptr) return FALSE;
    *out = dc->state.*field;
    return TRUE;
}

}  // namespace

BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, &DcState::windowOrg, ops::PointAttr::WindowOrg, x, y, previous);
}
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, &DcState::viewportOrg, ops::PointAttr::ViewportOrg, x, y, previous);
}
BOOL SetWindowExtEx(HDC hdc, int x, int y, SIZE* previous) {
    return SetExtent(hdc, &DcState::windowExt, ops::PointAttr::WindowExt, x, y, previous);
}
BOOL SetViewportExtEx(HDC hdc, int x, int y, SIZE* previous) {
    return SetExtent(hdc, &DcState::viewportExt, ops::PointAttr::ViewportExt, x, y, previous);
}
BOOL GetWindowOrgEx(HDC hdc, POINT* p) {
    return Get(hdc, &DcState::windowOrg, p);
}
BOOL GetViewportOrgEx(HDC hdc, POINT* p) {
    return Get(hdc, &DcState::viewportOrg, p);
}
BOOL GetWindowExtEx(HDC hdc, SIZE* s) {
    return Get(hdc, &DcState::windowExt, s);
}
BOOL GetViewportExtEx(HDC hdc, SIZE* s) {
    return Get(hdc, &DcState::viewportExt, s);
}

BOOL LPtoDP(HDC hdc, POINT* points, int count) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || points == nullptr || count < 0) return FALSE;
    const Xform x = MappingXform(dc->state);
    for (int i = 0; i < count; ++i) points[i] = ToDevicePixel(x, points[i].x, points[i].y);
    return TRUE;
}

BOOL DPtoLP(HDC hdc, POINT* points, int count) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || points == nullptr || count < 0) return FALSE;
    const Xform x = MappingXform(dc->state);
    for (int i = 0; i < count; ++i) {
        const DevPoint l = x.Inverse(points[i].x, points[i].y);
        points[i] = POINT{static_cast<LONG>(std::lround(l.x)), static_cast<LONG>(std::lround(l.y))};
    }
    return TRUE;
}

}  // namespace win
