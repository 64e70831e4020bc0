// Region objects (rectangles and polygons, combined, offset and tested
// point by point, as the graph windows do for their hit tests) and the clip
// of a device context.
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/gdi/gdi_render.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/metafile/metafile_ops.h"

namespace win {

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return NewRegion(RegionData::FromRect(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    if (rect == nullptr) return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    if (points == nullptr || count < 0 || (fillMode != ALTERNATE && fillMode != WINDING)) {
        return nullptr;
    }
    return NewRegion(RegionData::FromPolygon(points, count, fillMode));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    RegionObject* d = AsRegion(dest);
    RegionObject* a = AsRegion(src1);
    RegionObject* b = mode == RGN_COPY ? a : AsRegion(src2);
    if (d == nullptr || a == nullptr || b == nullptr || mode < RGN_AND || mode > RGN_COPY) {
        return ERROR;
    }
    d->data = RegionData::Combine(a->data, b->data, mode);
    return d->data.Complexity();
}

int OffsetRgn(HRGN region, int dx, int dy) {
    RegionObject* r = AsRegion(region);
    if (r == nullptr) return ERROR;
    r->data.Offset(dx, dy);
    return r->data.Complexity();
}

BOOL PtInRegion(HRGN region, int x, int y) {
    RegionObject* r = AsRegion(region);
    return r != nullptr && r->data.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN region, const RECT* rect) {
    RegionObject* r = AsRegion(region);
    return r != nullptr && rect != nullptr && r->data.Intersects(*rect) ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, RECT* box) {
    RegionObject* r = AsRegion(region);
    if (r == nullptr || box == nullptr) return ERROR;
    *box = r->data.Bounds();
    return r->data.Complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
    RegionObject* x = AsRegion(a);
    RegionObject* y = AsRegion(b);
    return x != nullptr && y != nullptr && x->data == y->data ? TRUE : FALSE;
}

BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    DeviceContext* dc = AsDc(hdc);
    RegionObject* r = AsRegion(region);
    LOGBRUSH desc;
    if (dc == nullptr || r == nullptr || !BrushFromHandle(brush, &desc)) return FALSE;
    Record(*dc, ops::FillRegion{r->data, desc});
    Canvas canvas(*dc);
    if (!canvas.Ok()) return TRUE;
    const DcState& s = dc->state;
    const RegionData device = r->data.Transformed(s.playSx, s.playTx, s.playSy, s.playTy);
    cairo_t* cr = canvas.Cr();
    cairo_new_path(cr);
    for (const RECT& rc : device.Rects()) {
        cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    FillPathWithBrush(canvas, s, desc);
    cairo_new_path(cr);
    return TRUE;
}

namespace {

bool IdentityPlay(const DcState& s) {
    return s.playSx == 1.0 && s.playSy == 1.0 && s.playTx == 0.0 && s.playTy == 0.0;
}

int ClipComplexity(const DcState& s) {
    if (!s.hasClip) return s.hasBaseClip ? s.baseClip.Complexity() : SIMPLEREGION;
    if (!s.hasBaseClip) return s.clip.Complexity();
    return RegionData::Combine(s.baseClip, s.clip, RGN_AND).Complexity();
}

}  // namespace

int SelectClipRgn(HDC hdc, HRGN region) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return ERROR;
    DcState& s = dc->state;
    if (region == nullptr) {
        Record(*dc, ops::ClipRegion{true, RegionData{}});
        s.hasClip = false;
        s.clip = RegionData{};
        return ClipComplexity(s);
    }
    RegionObject* r = AsRegion(region);
    if (r == nullptr) return ERROR;
    Record(*dc, ops::ClipRegion{false, r->data});
    s.clip =
        IdentityPlay(s) ? r->data : r->data.Transformed(s.playSx, s.playTx, s.playSy, s.playTy);
    s.hasClip = true;
    return ClipComplexity(s);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return ERROR;
    Record(*dc, ops::ClipRect{RECT{left, top, right, bottom}});
    DcState& s = dc->state;
    const RECT d = ToDeviceRect(DrawXform(s), left, top, right, bottom);
    const RegionData rect = RegionData::FromRect(d.left, d.top, d.right, d.bottom);
    s.clip = s.hasClip ? RegionData::Combine(s.clip, rect, RGN_AND) : rect;
    s.hasClip = true;
    return ClipComplexity(s);
}

int GetClipBox(HDC hdc, RECT* rect) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || rect == nullptr) return ERROR;
    const DcState& s = dc->state;
    RECT box;
    if (s.hasClip || s.hasBaseClip) {
        RegionData clip = s.hasClip && s.hasBaseClip
                              ? RegionData::Combine(s.baseClip, s.clip, RGN_AND)
                              : (s.hasClip ? s.clip : s.baseClip);
        box = clip.Bounds();
    } else {
        PixelSource src = ReadPixels(*dc);
        if (!src.view.Empty()) {
            box = RECT{0, 0, src.view.width, src.view.height};
        } else {
            box = RECT{0, 0, dc->caps.horzRes, dc->caps.vertRes};
        }
    }
    // Back to logical units.
    const Xform x = DrawXform(s);
    const DevPoint a = x.Inverse(box.left, box.top);
    const DevPoint b = x.Inverse(box.right, box.bottom);
    rect->left = static_cast<LONG>(std::lround(std::min(a.x, b.x)));
    rect->right = static_cast<LONG>(std::lround(std::max(a.x, b.x)));
    rect->top = static_cast<LONG>(std::lround(std::min(a.y, b.y)));
    rect->bottom = static_cast<LONG>(std::lround(std::max(a.y, b.y)));
    return ClipComplexity(s);
}

}  // namespace win
