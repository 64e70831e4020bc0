// The box of the 3D graph: back walls, floor and value-axis lines, the two
// front strips that carry the floor numbers, and the zero line of bar graphs.
#include <cmath>

#include "graphs/threed/threed_paint.h"
#include "platform/gdi/gdi.h"

namespace {

void Shape(win::HDC dc, std::initializer_list<Point2> points, bool closed, bool filled) {
    win::POINT p[6];
    int n = 0;
    for (Point2 q : points) p[n++] = ToPoint(q);
    if (closed) p[n++] = p[0];
    if (filled)
        win::Polygon(dc, p, n);
    else
        win::Polyline(dc, p, n);
}

void Line(win::HDC dc, Point2 a, Point2 b) {
    const win::POINT pa = ToPoint(a), pb = ToPoint(b);
    win::MoveToEx(dc, pa.x, pa.y, nullptr);
    win::LineTo(dc, pb.x, pb.y);
}

Point2 Left(Point2 a, double length) {
    return Point2{a.x - length, a.y};
}

}  // namespace

void DrawThreeDFrame(ThreeDPaint& paint) {
    win::HDC dc = paint.dc;
    const ThreeDBox& b = paint.box;
    const ThreeDTools& t = paint.tools;
    const Point2 o = b.O(), a = b.A(), bl = b.B(), c = b.C();
    const Point2 oTop = b.Raise(o, b.height), aTop = b.Raise(a, b.height),
                 bTop = b.Raise(bl, b.height);
    const win::HPEN outline =
        whiteBackground != 0 ? t.pens[ThreeDPen::kBackground] : t.pens[ThreeDPen::kWhite];
    win::SelectObject(dc, outline);
    win::SelectObject(dc, t.brushes[11]);
    Shape(dc, {o, oTop, aTop, a}, true, true);
    win::SelectObject(dc, t.brushes[3]);
    Shape(dc, {o, oTop, bTop, bl}, true, true);
    win::SelectObject(dc, t.brushes[7]);
    Shape(dc, {o, bl, c, a}, true, true);

    const double stub = 0.9 * paint.axisLineHeight;
    Line(dc, bl, Left(bl, stub));
    const win::HPEN rightLines =
        whiteBackground != 0 ? t.pens[ThreeDPen::kBackground] : t.pens[ThreeDPen::kC3];
    const win::HPEN leftLines =
        whiteBackground != 0 ? t.pens[ThreeDPen::kBackground] : t.pens[ThreeDPen::kC11];
    for (int i = 1; i <= paint.intervals; ++i) {
        const double h = i * b.height / paint.intervals;
        const Point2 ah = b.Raise(a, h), oh = b.Raise(o, h), bh = b.Raise(bl, h);
        win::SelectObject(dc, rightLines);
        Line(dc, ah, oh);
        win::SelectObject(dc, leftLines);
        Line(dc, oh, bh);
        win::SelectObject(dc, outline);
        Line(dc, bh, Left(bh, stub));
    }
}

void DrawThreeDFrontStrips(ThreeDPaint& paint) {
    win::HDC dc = paint.dc;
    const ThreeDBox& b = paint.box;
    const ThreeDTools& t = paint.tools;
    const double s = 2.5 * paint.axisLineHeight;
    const Point2 a = b.A(), bl = b.B(), c = b.C();
    const Point2 as = b.Raise(a, s), bs = b.Raise(bl, s), cs = b.Raise(c, s);
    const win::HPEN background = t.pens[ThreeDPen::kBackground];
    if (paint.colourBranch) {
        win::SelectObject(dc, t.pens[ThreeDPen::kC11]);
        win::SelectObject(dc, t.brushes[8]);
        Shape(dc, {bl, bs, cs, c}, true, true);
        win::SelectObject(dc, t.pens[ThreeDPen::kC3]);
        Shape(dc, {bl, bs, cs, c}, true, false);
        win::SelectObject(dc, t.pens[ThreeDPen::kC11]);
        win::SelectObject(dc, t.brushes[7]);
        Shape(dc, {a, as, cs, c}, true, true);
        win::SelectObject(dc, t.pens[ThreeDPen::kC3]);
        Shape(dc, {a, as, cs, c}, true, false);
        win::SetBkColor(dc, graphColorTable[7]);
        Shape(dc, {a, as, cs, c}, true, false);
    } else {
        win::SelectObject(dc, background);
        win::SelectObject(dc, t.brushes[0]);
        Shape(dc, {bl, bs, cs, c}, true, true);
        Shape(dc, {bl, bs, cs, c}, true, false);
        win::SelectObject(dc, t.brushes[15]);
        Shape(dc, {a, as, cs, c}, true, true);
        Shape(dc, {a, as, cs, c}, true, false);
        const win::POINT seed = ToPoint(Point2{(cs.x + a.x) / 2.0, (cs.y + a.y) / 2.0});
        win::FloodFill(dc, seed.x, seed.y, graphBackgroundColor);
        Shape(dc, {a, as, cs, c}, true, false);
    }
    Shape(dc, {bl, bs, cs}, false, false);
}

void DrawThreeDZeroLine(ThreeDPaint& paint) {
    if (!(valueAxisLow < 0.0 && paint.rangeHigh > 0.0)) return;
    win::HDC dc = paint.dc;
    const ThreeDBox& b = paint.box;
    const ThreeDTools& t = paint.tools;
    const double tz = std::fabs(valueAxisLow / (valueAxisHigh - valueAxisLow));
    const Point2 az = b.Raise(b.A(), tz * b.height), cz = b.Raise(b.C(), tz * b.height),
                 bz = b.Raise(b.B(), tz * b.height);
    win::SelectObject(dc, t.pens[ThreeDPen::kBackground]);
    Shape(dc, {az, cz, bz}, false, false);
    const double d = graphHeight > 0 ? static_cast<double>(480 / graphHeight) : 0.0;
    win::SelectObject(dc, t.pens[ThreeDPen::kC8]);
    Shape(dc, {b.Raise(az, -d), b.Raise(cz, -d), b.Raise(bz, -d)}, false, false);
    if (paint.onScreen) Shape(dc, {b.Raise(az, d), b.Raise(cz, d), b.Raise(bz, d)}, false, false);
    win::SelectObject(dc, t.brushes[0]);
    win::SelectObject(dc, t.pens[ThreeDPen::kBackground]);
}
