// Lines and shapes: the current position, lines and polylines, polygons in
// both fill modes, rectangles and ellipses (filled with the brush, outlined
// with the pen), filled and framed rectangles, inverted rectangles (drag
// frames) and pattern blits.
//
// Edges follow the usual pixel rules of this drawing model: a shape's
// right and bottom edges are exclusive, a line leaves out its last pixel,
// and a one-pixel outline runs along the inside of the shape's box.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/gdi_render.h"
#include "platform/gdi/gdi_rop.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/text/text_boxes.h"

namespace win {
namespace {

// The device-pixel centre of a logical point.
DevPoint Centre(const Xform& x, int lx, int ly) {
    const POINT p = ToDevicePixel(x, lx, ly);
    return DevPoint{p.x + 0.5, p.y + 0.5};
}

// Outline box of a shape for a pen of width w: one-pixel pens run along the
// inside of [l, r) x [t, b); wider pens centre on that line, and inside-frame
// pens stay wholly inside.
void OutlineBox(const RECT& r, double w, bool insideFrame, double* x0, double* y0, double* x1,
                double* y1) {
    double inset = 0.5;
    if (w > 1.0 && insideFrame) inset = w / 2.0;
    *x0 = r.left + inset;
    *y0 = r.top + inset;
    *x1 = r.right - inset;
    *y1 = r.bottom - inset;
}

bool InsideFrame(const DcState& s) {
    return s.pen != nullptr && s.pen->desc.lopnStyle == PS_INSIDEFRAME;
}

bool HasPen(const DcState& s) {
    return s.pen != nullptr && s.pen->desc.lopnStyle != PS_NULL;
}

void EllipsePath(cairo_t* cr, double x0, double y0, double x1, double y1) {
    const double rx = (x1 - x0) / 2.0;
    const double ry = (y1 - y0) / 2.0;
    cairo_new_path(cr);
    if (rx <= 0.0 || ry <= 0.0) return;
    cairo_save(cr);
    cairo_translate(cr, (x0 + x1) / 2.0, (y0 + y1) / 2.0);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * M_PI);
    cairo_restore(cr);
}

// Fills [r) with a brush through a raster op, pixel by pixel, on a raster
// target; on a PDF page the common operations become fills.
void RopFill(Canvas& canvas, const DcState& s, const LOGBRUSH& brush, const RECT& r, DWORD rop) {
    if (canvas.IsVector()) {
        cairo_t* cr = canvas.Cr();
        cairo_new_path(cr);
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
        if (rop == PATCOPY) {
            FillPathWithBrush(canvas, s, brush);
        } else if (rop == BLACKNESS || rop == WHITENESS) {
            SetSourcePixel(cr, rop == WHITENESS ? 0x00FFFFFFu : 0u);
            cairo_fill_preserve(cr);
        } else if (rop == DSTINVERT || rop == PATINVERT) {
            // Difference with white inverts; with the brush colour it is the
            // exclusive-or for black and white pictures.
            cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
            SetSourcePixel(cr,
                           rop == DSTINVERT ? 0x00FFFFFFu : canvas.Ink(ResolvePixel(s, brush.lbColor)));
            cairo_fill_preserve(cr);
            cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        }
        cairo_new_path(cr);
        return;
    }
    const Surface& px = canvas.Pixels();
    const int x0 = std::max<int>(0, r.left);
    const int y0 = std::max<int>(0, r.top);
    const int x1 = std::min<int>(px.width, r.right);
    const int y1 = std::min<int>(px.height, r.bottom);
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* row = px.Row(y);
        for (int x = x0; x < x1; ++x) {
            if (!canvas.Visible(x, y)) continue;
            std::uint32_t p = BrushPixelAt(s, brush, x, y);
            p = canvas.Ink(p);
            row[x] = ApplyRop3(rop, p, 0, row[x]);
        }
    }
    canvas.MarkDirty();
}

}  // namespace

std::uint32_t BrushPixelAt(const DcState& s, const LOGBRUSH& brush, int x, int y) {
    if (brush.lbStyle == BS_NULL) return 0x00FFFFFFu;
    if (brush.lbStyle != BS_HATCHED) return ResolvePixel(s, brush.lbColor);
    const int cx = ((x - s.brushOrg.x) % 8 + 8) % 8;
    const int cy = ((y - s.brushOrg.y) % 8 + 8) % 8;
    bool on = false;
    switch (brush.lbHatch) {
        case HS_HORIZONTAL:
            on = cy == 0;
            break;
        case HS_VERTICAL:
            on = cx == 0;
            break;
        case HS_FDIAGONAL:
            on = cx == cy;
            break;
        case HS_BDIAGONAL:
            on = cx + cy == 7;
            break;
        case HS_CROSS:
            on = cx == 0 || cy == 0;
            break;
        case HS_DIAGCROSS:
            on = cx == cy || cx + cy == 7;
            break;
        default:
            break;
    }
    return ResolvePixel(s, on ? brush.lbColor : s.bkColor);
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    Record(*dc, ops::SetPoint{ops::PointAttr::MoveTo, POINT{x, y}});
    if (previous != nullptr) *previous = dc->state.currentPos;
    dc->state.currentPos = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* point) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || point == nullptr) return FALSE;
    *point = dc->state.currentPos;
    return TRUE;
}

namespace {

// Strokes an open or closed line through logical points with the pen.
void StrokeLine(DeviceContext& dc, const POINT* points, int count, bool closed) {
    if (!HasPen(dc.state)) return;
    Canvas canvas(dc);
    if (!canvas.Ok()) return;
    const Xform x = DrawXform(dc.state);
    cairo_t* cr = canvas.Cr();
    cairo_new_path(cr);
    for (int i = 0; i < count; ++i) {
        const DevPoint p = Centre(x, points[i].x, points[i].y);
        if (i == 0) {
            cairo_move_to(cr, p.x, p.y);
        } else {
            cairo_line_to(cr, p.x, p.y);
        }
    }
    if (closed) cairo_close_path(cr);
    StrokePathWithPen(canvas, dc.state, nullptr);
    cairo_new_path(cr);
}

}  // namespace

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    Record(*dc, ops::LineTo{POINT{x, y}});
    const POINT line[2] = {dc->state.currentPos, POINT{x, y}};
    dc->state.currentPos = POINT{x, y};
    StrokeLine(*dc, line, 2, false);
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || points == nullptr || count < 2) return FALSE;
    Record(*dc, ops::Poly{false, std::vector<POINT>(points, points + count)});
    StrokeLine(*dc, points, count, false);
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || points == nullptr || count < 2) return FALSE;
    Record(*dc, ops::Poly{true, std::vector<POINT>(points, points + count)});
    Canvas canvas(*dc);
    if (!canvas.Ok()) return TRUE;
    const Xform x = DrawXform(dc->state);
    cairo_t* cr = canvas.Cr();
    cairo_new_path(cr);
    for (int i = 0; i < count; ++i) {
        const POINT p = ToDevicePixel(x, points[i].x, points[i].y);
        if (i == 0) {
            cairo_move_to(cr, p.x, p.y);
        } else {
            cairo_line_to(cr, p.x, p.y);
        }
    }
    cairo_close_path(cr);
    cairo_set_fill_rule(
        cr, dc->state.polyFillMode == WINDING ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    if (dc->state.brush != nullptr) FillPathWithBrush(canvas, dc->state, dc->state.brush->desc);
    cairo_new_path(cr);
    StrokeLine(*dc, points, count, true);
    return TRUE;
}

namespace {

enum class BoxShape { Rectangle, Ellipse };

void DrawBox(DeviceContext& dc, BoxShape shape, int left, int top, int right, int bottom) {
    Canvas canvas(dc);
    if (!canvas.Ok()) return;
    RECT r = ToDeviceRect(DrawXform(dc.state), left, top, right, bottom);
    const bool pen = HasPen(dc.state);
    if (!pen) {
        // Without an outline the filled area keeps the same right and bottom
        // edges as the outline would have covered: one pixel less each way.
        r.right -= 1;
        r.bottom -= 1;
    }
    if (r.right <= r.left || r.bottom <= r.top) return;
    cairo_t* cr = canvas.Cr();
    if (shape == BoxShape::Rectangle) {
        cairo_new_path(cr);
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    } else {
        EllipsePath(cr, r.left, r.top, r.right, r.bottom);
    }
    if (dc.state.brush != nullptr) FillPathWithBrush(canvas, dc.state, dc.state.brush->desc);
    if (pen) {
        double x0, y0, x1, y1;
        OutlineBox(r, PenDeviceWidth(dc.state), InsideFrame(dc.state), &x0, &y0, &x1, &y1);
        if (shape == BoxShape::Rectangle) {
            cairo_new_path(cr);
            cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
        } else {
            EllipsePath(cr, x0, y0, x1, y1);
        }
        StrokePathWithPen(canvas, dc.state, nullptr);
    }
    cairo_new_path(cr);
}

}  // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    Record(*dc, ops::ShapeOp{ops::Shape::Rectangle, RECT{left, top, right, bottom}});
    if (dc->state.brush != nullptr && dc->state.brush->desc.lbStyle != BS_NULL)
        detail::NoteCovered(*dc, ToDeviceRect(DrawXform(dc->state), left, top, right, bottom));
    DrawBox(*dc, BoxShape::Rectangle, left, top, right, bottom);
    return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    Record(*dc, ops::ShapeOp{ops::Shape::Ellipse, RECT{left, top, right, bottom}});
    DrawBox(*dc, BoxShape::Ellipse, left, top, right, bottom);
    return TRUE;
}

namespace {

void FillDeviceRect(DeviceContext& dc, const RECT& r, const LOGBRUSH& brush) {
    Canvas canvas(dc);
    if (!canvas.Ok() || r.right <= r.left || r.bottom <= r.top) return;
    cairo_t* cr = canvas.Cr();
    cairo_new_path(cr);
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    FillPathWithBrush(canvas, dc.state, brush);
    cairo_new_path(cr);
}

}  // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = AsDc(hdc);
    LOGBRUSH desc;
    if (dc == nullptr || rect == nullptr || !BrushFromHandle(brush, &desc)) return 0;
    Record(*dc, ops::FillRect{*rect, desc, false});
    const RECT area =
        ToDeviceRect(DrawXform(dc->state), rect->left, rect->top, rect->right, rect->bottom);
    if (desc.lbStyle != BS_NULL) detail::NoteCovered(*dc, area);
    FillDeviceRect(*dc, area, desc);
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = AsDc(hdc);
    LOGBRUSH desc;
    if (dc == nullptr || rect == nullptr || !BrushFromHandle(brush, &desc)) return 0;
    Record(*dc, ops::FillRect{*rect, desc, true});
    const Xform x = DrawXform(dc->state);
    const RECT r = ToDeviceRect(x, rect->left, rect->top, rect->right, rect->bottom);
    if (r.right <= r.left || r.bottom <= r.top) return 1;
    // The border is one logical unit wide (at least one pixel).
    const int bw = std::max(1, static_cast<int>(std::lround(std::fabs(x.sx))));
    const int bh = std::max(1, static_cast<int>(std::lround(std::fabs(x.sy))));
    FillDeviceRect(*dc, RECT{r.left, r.top, r.right, std::min(r.bottom, r.top + bh)}, desc);
    FillDeviceRect(*dc, RECT{r.left, std::max(r.top, r.bottom - bh), r.right, r.bottom}, desc);
    FillDeviceRect(*dc, RECT{r.left, r.top, std::min(r.right, r.left + bw), r.bottom}, desc);
    FillDeviceRect(*dc, RECT{std::max(r.left, r.right - bw), r.top, r.right, r.bottom}, desc);
    return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || rect == nullptr) return FALSE;
    Record(*dc, ops::ShapeOp{ops::Shape::InvertRect, *rect});
    Canvas canvas(*dc);
    if (!canvas.Ok()) return TRUE;
    const RECT r =
        ToDeviceRect(DrawXform(dc->state), rect->left, rect->top, rect->right, rect->bottom);
    RopFill(canvas, dc->state, LOGBRUSH{}, r, DSTINVERT);
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || RopUsesSource(rop)) return FALSE;
    Record(*dc, ops::PatBlt{RECT{x, y, width, height}, rop});
    Canvas canvas(*dc);
    if (!canvas.Ok()) return TRUE;
    const RECT r = ToDeviceRect(DrawXform(dc->state), x, y, x + width, y + height);
    const LOGBRUSH brush = dc->state.brush != nullptr ? dc->state.brush->desc : LOGBRUSH{};
    if (brush.lbStyle == BS_NULL && RopUsesPattern(rop)) return TRUE;
    if (rop == PATCOPY || rop == WHITENESS || rop == BLACKNESS) detail::NoteCovered(*dc, r);
    RopFill(canvas, dc->state, brush, r, rop);
    return TRUE;
}

}  // namespace win
