// Single pixels and flood fills. Both work on the pixels of raster targets;
// a recording keeps them for playback, and on a PDF page (where there are
// no pixels to follow) a flood fill draws nothing.
#include <cairo.h>

#include <vector>

#include "platform/gdi/gdi_render.h"
#include "platform/gdi/gdi_rop.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/metafile/metafile_ops.h"

namespace win {

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return CLR_INVALID;
    Record(*dc, ops::Pixel{POINT{x, y}, color});
    Canvas canvas(*dc);
    if (!canvas.Ok()) return DrawsPixels(*dc) ? CLR_INVALID : color;
    const POINT p = ToDevicePixel(DrawXform(dc->state), x, y);
    std::uint32_t pixel = ResolvePixel(dc->state, color);
    pixel = canvas.Ink(pixel);
    if (canvas.IsVector()) {
        cairo_t* cr = canvas.Cr();
        cairo_rectangle(cr, p.x, p.y, 1, 1);
        SetSourcePixel(cr, pixel);
        cairo_fill(cr);
        return ColorRefFromPixel(pixel);
    }
    if (!canvas.Visible(p.x, p.y)) return CLR_INVALID;
    canvas.Pixels().Row(p.y)[p.x] = pixel;
    canvas.MarkDirty();
    return ColorRefFromPixel(pixel);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return CLR_INVALID;
    PixelSource src = ReadPixels(*dc);
    const POINT p = ToDevicePixel(DrawXform(dc->state), x, y);
    if (src.view.Empty() || p.x < 0 || p.y < 0 || p.x >= src.view.width || p.y >= src.view.height) {
        return CLR_INVALID;
    }
    return ColorRefFromPixel(src.view.Row(p.y)[p.x] & 0x00FFFFFFu);
}

BOOL FloodFill(HDC hdc, int x, int y, COLORREF border) {
    return ExtFloodFill(hdc, x, y, border, FLOODFILLBORDER);
}

BOOL ExtFloodFill(HDC hdc, int x, int y, COLORREF color, UINT type) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || (type != FLOODFILLBORDER && type != FLOODFILLSURFACE)) return FALSE;
    Record(*dc, ops::Flood{POINT{x, y}, color, type});
    Canvas canvas(*dc);
    if (!canvas.Ok() || canvas.IsVector()) return canvas.Ok() ? TRUE : !DrawsPixels(*dc);
    const Surface& px = canvas.Pixels();
    const POINT start = ToDevicePixel(DrawXform(dc->state), x, y);
    if (!canvas.Visible(start.x, start.y)) return FALSE;
    std::uint32_t key = ResolvePixel(dc->state, color);
    if (canvas.IsMono()) key = MonoPixel(key);
    // Which pixels belong to the area: up to the border colour, or as long
    // as the colour under the start point continues.
    auto inside = [&](std::uint32_t p) {
        p &= 0x00FFFFFFu;
        return type == FLOODFILLBORDER ? p != key : p == key;
    };
    if (!inside(px.Row(start.y)[start.x])) return FALSE;
    const LOGBRUSH brush = dc->state.brush != nullptr ? dc->state.brush->desc : LOGBRUSH{};
    if (brush.lbStyle == BS_NULL) return TRUE;
    // Scan-line fill; a mask keeps track of visited pixels, so a brush whose
    // colour is itself "inside" cannot loop.
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(px.width) * px.height, 0);
    auto mark = [&](int px_, int py) -> std::uint8_t& {
        return seen[static_cast<std::size_t>(py) * px.width + px_];
    };
    std::vector<POINT> stack{start};
    while (!stack.empty()) {
        const POINT p = stack.back();
        stack.pop_back();
        std::uint32_t* row = px.Row(p.y);
        if (mark(p.x, p.y) || !inside(row[p.x])) continue;
        int left = p.x;
        while (left > 0 && !mark(left - 1, p.y) && inside(row[left - 1]) &&
               canvas.Visible(left - 1, p.y)) {
            --left;
        }
        int right = p.x;
        while (right + 1 < px.width && !mark(right + 1, p.y) && inside(row[right + 1]) &&
               canvas.Visible(right + 1, p.y)) {
            ++right;
        }
        for (int i = left; i <= right; ++i) mark(i, p.y) = 1;
        for (int dy = -1; dy <= 1; dy += 2) {
            const int ny = p.y + dy;
            if (ny < 0 || ny >= px.height) continue;
            const std::uint32_t* next = px.Row(ny);
            for (int i = left; i <= right; ++i) {
                if (!mark(i, ny) && inside(next[i]) && canvas.Visible(i, ny))
                    stack.push_back(POINT{i, ny});
            }
        }
    }
    for (int py = 0; py < px.height; ++py) {
        std::uint32_t* row = px.Row(py);
        for (int i = 0; i < px.width; ++i) {
            if (!mark(i, py)) continue;
            std::uint32_t v = BrushPixelAt(dc->state, brush, i, py);
            if (canvas.IsMono()) v = MonoPixel(v);
            row[i] = v;
        }
    }
    canvas.MarkDirty();
    return TRUE;
}

}  // namespace win
