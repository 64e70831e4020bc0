// The cells of the 3D graph: the band of each value, the bars, the contour
// patches, and the outline each drawn cell leaves for the window's clicks.
#include <algorithm>
#include <cmath>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/bands/index_bands.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/threed/threed_paint.h"
#include "platform/gdi/gdi.h"

namespace {

constexpr int kBandColour[6] = {0, 1, 2, 6, 5, 4};  // band 1..5 to its colour index
constexpr int kLightShade = 8;                      // colour c + 8 is the light shade of c
constexpr double kBarWidth = 1.0 / 7.0;

CellBand DosageBand(uint16_t status) {
    switch (status) {
        case 0:
            return {1, 1};
        case 1:
            return {2, 6};
        case 2:
            return {5, 4};
        case 3:
            return {4, 5};
        default:
            return {5, 5};
    }
}

CellBand CorrosionBand(double v, uint16_t& status) {
    const double u = unitCodes.code[UnitItem::kCorrosionRate] == 0 ? 1.0 : 0.0254;
    if (v < u) {
        status = 0;
        return {1, 1};
    }
    if (v < 5.0 * u) {
        status = 1;
        return {2, 2};
    }
    if (v < 10.0 * u) {
        status = 1;
        return {3, 6};
    }
    status = 2;
    return {5, 4};
}

// The greys of grey rendering: set 1 for band 1..5, and set 2 whose band 5
// is the background brush.
win::HBRUSH GreySet1(const ThreeDTools& t, int band) {
    return t.shades[band - 1];
}
win::HBRUSH GreySet2(const ThreeDTools& t, int band) {
    return band >= 5 ? t.brushes[0] : t.shades[band + 2];
}

void Fill(win::HDC dc, win::HBRUSH brush, const win::POINT* p, int n) {
    win::SelectObject(dc, brush);
    win::Polygon(dc, p, n);
}

// A face in its band: in grey on a white ground, else in the given colour.
void FillFace(const ThreeDPaint& paint, const win::POINT (&face)[5], win::HBRUSH grey,
              win::HBRUSH colour) {
    if (paint.greyRendering) {
        Fill(paint.dc, paint.tools.brushes[15], face, 5);
        Fill(paint.dc, grey, face, 5);
    } else {
        Fill(paint.dc, colour, face, 5);
    }
}

void StoreOutline(int cell, const win::POINT (&p)[kOutlinePoints]) {
    for (int i = 0; i < kOutlinePoints; ++i) {
        cellOutline[cell].x[i] = p[i].x;
        cellOutline[cell].y[i] = p[i].y;
    }
}

bool CornersFinite(int r, int c) {
    for (int k : {7 * r + c, 7 * r + c + 1, 7 * (r + 1) + c, 7 * (r + 1) + c + 1})
        if (std::isnan(gridValues[k])) return false;
    return true;
}

}  // namespace

double ThreeDPaint::HeightOf(double value) const {
    return (value - valueAxisLow) / (valueAxisHigh - valueAxisLow);
}

bool ChooseCellBand(const ThreeDPaint& paint, double value, uint16_t& status, CellBand& band) {
    if (paint.code == 89) {
        band = DosageBand(status);
        return true;
    }
    if (std::isnan(value)) return false;
    if (paint.code >= 94 && paint.code <= 96) {
        band = CorrosionBand(value, status);
        return true;
    }
    int b = 0;
    if (graphOutputFlags.treatedColorCoding != 0 && treatedIndex != 0) {
        if (status == 0) b = 1;
        if (status == 1) b = 3;
    }
    if (b == 0) b = IndexBandOf(paint.bandDirection, paint.thresholds, value);
    band = {b, kBandColour[b]};
    return true;
}

void DrawThreeDBars(ThreeDPaint& paint) {
    if (logRangeUndefined != 0) return;
    win::HDC dc = paint.dc;
    const ThreeDTools& t = paint.tools;
    const ThreeDBox& box = paint.box;
    const win::HPEN outline = t.pens[ThreeDPen::kBackground];
    for (int r = 0; r < kThreeDSide; ++r) {
        for (int c = 0; c < kThreeDSide; ++c) {
            const int cell = r * kThreeDSide + c;
            const double v = gridValues[cell];
            CellBand band{};
            if (std::isnan(v) || !ChooseCellBand(paint, v, cellStatus[cell], band)) continue;
            const double p = paint.rowPlaces[r], q = paint.columnPlaces[c];
            const double h = paint.HeightOf(v);
            const win::POINT p2 = ToPoint(box.Project(p, q + kBarWidth, 0.0));
            const win::POINT p3 = ToPoint(box.Project(p + kBarWidth, q + kBarWidth, 0.0));
            const win::POINT p4 = ToPoint(box.Project(p + kBarWidth, q, 0.0));
            const win::POINT t1 = ToPoint(box.Project(p, q, h));
            const win::POINT t2 = ToPoint(box.Project(p, q + kBarWidth, h));
            const win::POINT t3 = ToPoint(box.Project(p + kBarWidth, q + kBarWidth, h));
            const win::POINT t4 = ToPoint(box.Project(p + kBarWidth, q, h));
            const win::HBRUSH colour = t.brushes[band.colour];
            const win::HBRUSH light = t.brushes[band.colour + kLightShade];
            win::SelectObject(dc, outline);

            const win::POINT row[5] = {p4, t4, t3, p3, p4};
            FillFace(paint, row, GreySet1(t, band.band), colour);
            const win::POINT column[5] = {p3, t3, t2, p2, p3};
            FillFace(paint, column, GreySet2(t, band.band), light);
            const win::POINT top[5] = {t4, t3, t2, t1, t4};
            FillFace(paint, top, GreySet1(t, band.band), light);
            win::SetBkColor(
                dc, paint.greyRendering ? graphColorTable[15] : graphColorTable[band.colour]);
            win::SetBkMode(dc, win::OPAQUE);
            Fill(dc, t.hatch, top, 5);
            win::SelectObject(dc, colour);
            StoreOutline(cell, {t1, t4, t3, t2, t1});
        }
    }
}

void DrawThreeDContour(ThreeDPaint& paint) {
    if (logRangeUndefined != 0) return;
    win::HDC dc = paint.dc;
    const ThreeDTools& t = paint.tools;
    for (int r = 0; r < kThreeDSide - 1; ++r) {
        for (int c = 0; c < kThreeDSide - 1; ++c) {
            if (!CornersFinite(r, c)) continue;
            const int cell = r * kThreeDSide + c;
            const double v00 = gridValues[cell], v01 = gridValues[cell + 1],
                         v10 = gridValues[cell + kThreeDSide],
                         v11 = gridValues[cell + kThreeDSide + 1];
            CellBand fill{}, edge{};
            if (paint.code >= 94 && paint.code <= 96) {
                ChooseCellBand(paint, v00, cellStatus[cell], fill);
                edge = fill;
            } else {
                uint16_t status = cellStatus[cell];
                ChooseCellBand(paint, std::min({v00, v01, v10, v11}), status, fill);
                status = cellStatus[cell];
                ChooseCellBand(paint, std::max({v00, v01, v10, v11}), status, edge);
            }
            const double p0 = paint.rowPlaces[r], p1 = paint.rowPlaces[r + 1];
            const double q0 = paint.columnPlaces[c], q1 = paint.columnPlaces[c + 1];
            const win::POINT a = ToPoint(paint.box.Project(p0, q1, paint.HeightOf(v01)));
            const win::POINT b = ToPoint(paint.box.Project(p0, q0, paint.HeightOf(v00)));
            const win::POINT d = ToPoint(paint.box.Project(p1, q0, paint.HeightOf(v10)));
            const win::POINT e = ToPoint(paint.box.Project(p1, q1, paint.HeightOf(v11)));
            const win::POINT patch[5] = {a, b, d, e, a};
            win::SelectObject(dc, t.pens[ThreeDPen::kBackground]);
            FillFace(paint, patch, GreySet1(t, edge.band), t.brushes[fill.colour]);
            if (!paint.greyRendering) {
                win::SetBkMode(dc, win::TRANSPARENT);
                Fill(dc, t.hatch, patch, 5);
            }
            win::Polyline(dc, patch, 5);
            StoreOutline(cell, {d, b, a, e, d});
        }
    }
}
