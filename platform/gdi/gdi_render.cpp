// Opening a device context's target for drawing, clipping, colours, and the
// pen and brush sources shared by every drawing call.
#include "platform/gdi/gdi_render.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/bitmaps/bitmap_dib_format.h"
#include "platform/bitmaps/bitmap_ops.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/system/system.h"
#include "platform/window/rect.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace {

Surface WindowPixels(const DeviceContext& dc) {
    if (dc.windowGone) return Surface{};
    if (dc.kind == DcKind::Screen) return detail::WindowSurface(GetDesktopWindow());
    return detail::WindowSurface(dc.hwnd);
}

Surface BitmapPixels(BitmapObject& bm) {
    if (bm.pixels.empty()) return Surface{};
    return Surface{bm.pixels.data(), bm.width, bm.height, bm.width};
}

// The effective clip in device pixels: the base clip and the program's clip.
bool EffectiveClip(const DcState& s, RegionData* clip) {
    if (s.hasBaseClip && s.hasClip) {
        *clip = RegionData::Combine(s.baseClip, s.clip, RGN_AND);
        return true;
    }
    if (s.hasBaseClip) {
        *clip = s.baseClip;
        return true;
    }
    if (s.hasClip) {
        *clip = s.clip;
        return true;
    }
    return false;
}

}  // namespace

Canvas::Canvas(DeviceContext& dc) {
    switch (dc.kind) {
        case DcKind::Window:
        case DcKind::Screen:
            raster_ = WindowPixels(dc);
            break;
        case DcKind::Memory: {
            BitmapObject* bm = dc.state.bitmap;
            if (bm == nullptr) break;
            mono_ = bm->bitsPixel == 1 && !bm->dibSection;
            if (bm->dibSection) {
                DibLayout layout;
                BitmapSectionLayout(*bm, &layout);
                DibToPixels(layout, bm->dibBits.get(), &dibPixels_);
                raster_ = Surface{dibPixels_.data(), bm->width, bm->height, bm->width};
                dib_ = bm;
            } else {
                raster_ = BitmapPixels(*bm);
            }
            break;
        }
        case DcKind::Vector:
            vector_ = dc.vector != nullptr;
            grey_ = dc.greyInk;
            break;
        default:
            break;
    }
    if (vector_) {
        cr_ = dc.vector;
        cairo_save(cr_);
    } else if (!raster_.Empty()) {
        surface_ = cairo_image_surface_create_for_data(
            reinterpret_cast<unsigned char*>(raster_.pixels), CAIRO_FORMAT_RGB24, raster_.width,
            raster_.height, raster_.stride * 4);
        cr_ = cairo_create(surface_);
    } else {
        return;
    }
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    hasClip_ = EffectiveClip(dc.state, &clip_);
    if (hasClip_) {
        cairo_new_path(cr_);
        for (const RECT& r : clip_.Rects()) {
            cairo_rectangle(cr_, r.left, r.top, r.right - r.left, r.bottom - r.top);
        }
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
        cairo_clip(cr_);
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    }
}

Canvas::~Canvas() {
    if (cr_ == nullptr) return;
    if (vector_) {
        cairo_restore(cr_);
        return;
    }
    cairo_surface_flush(surface_);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
    if (mono_) {
        // Anything drawn on a monochrome bitmap ends as black or white.
        for (int y = 0; y < raster_.height; ++y) {
            std::uint32_t* row = raster_.Row(y);
            for (int x = 0; x < raster_.width; ++x) row[x] = MonoPixel(row[x]);
        }
    }
    if (dib_ != nullptr && IsLiveObject(dib_)) {
        DibLayout layout;
        BitmapSectionLayout(*dib_, &layout);
        PixelsToDib(layout, dibPixels_.data(), dib_->dibBits.get());
    }
}

std::uint32_t Canvas::Ink(std::uint32_t pixel) const {
    if (mono_) return MonoPixel(pixel);
    return grey_ ? GreyPixel(pixel) : pixel;
}

void Canvas::MarkDirty() {
    if (surface_ != nullptr) cairo_surface_mark_dirty(surface_);
}

bool Canvas::Visible(int x, int y) const {
    if (!raster_.Empty() && (x < 0 || y < 0 || x >= raster_.width || y >= raster_.height)) {
        return false;
    }
    return !hasClip_ || clip_.Contains(x, y);
}

void Canvas::VisibleRuns(int y, int from, int to, std::vector<std::pair<int, int>>* runs) const {
    runs->clear();
    if (!raster_.Empty()) {
        if (y < 0 || y >= raster_.height) return;
        from = std::max(from, 0);
        to = std::min(to, raster_.width);
    }
    if (!hasClip_) {
        if (from < to) runs->emplace_back(from, to);
        return;
    }
    const std::vector<RegionData::Span>* spans = clip_.SpansAt(y);
    if (spans == nullptr) return;
    for (const RegionData::Span& s : *spans) {
        const int a = std::max(from, s.first);
        const int b = std::min(to, s.second);
        if (a < b) runs->emplace_back(a, b);
    }
}

namespace {

// Copies a visible window's client area into the screen picture, inside
// `clip` (screen coordinates), then its children over it, lowest first.
void ComposeWindow(HWND hwnd, const RECT& clip, std::vector<std::uint32_t>& screen, int width) {
    if (!IsWindowVisible(hwnd) || IsIconic(hwnd)) return;
    RECT client{};
    POINT origin{0, 0};
    if (!GetClientRect(hwnd, &client) || !ClientToScreen(hwnd, &origin)) return;
    RECT area{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
    if (!IntersectRect(&area, &area, &clip)) return;
    const Surface s = detail::WindowSurface(hwnd);
    for (LONG y = area.top; y < area.bottom; ++y) {
        const int sy = static_cast<int>(y - origin.y);
        if (sy < 0 || sy >= s.height) continue;
        const std::uint32_t* row = s.Row(sy);
        for (LONG x = area.left; x < area.right; ++x) {
            const int sx = static_cast<int>(x - origin.x);
            if (sx >= 0 && sx < s.width) {
                screen[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)] = row[sx] & 0x00FFFFFFu;
            }
        }
    }
    std::vector<HWND> children;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
        children.push_back(c);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        ComposeWindow(*it, area, screen, width);
}

// The screen has no pixels of its own: reading it gives the desktop colour
// with every visible window's client area at its place, the lowest window
// first, as a screen capture shows them.
void ComposeScreen(PixelSource* src) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) return;
    src->copy.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                     PixelFromColorRef(GetSysColor(COLOR_BACKGROUND)));
    const RECT all{0, 0, width, height};
    const std::vector<HWND> windows = detail::TopLevelWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        ComposeWindow(*it, all, src->copy, width);
    src->view = Surface{src->copy.data(), width, height, width};
}

}  // namespace

PixelSource ReadPixels(DeviceContext& dc) {
    PixelSource src;
    if (dc.kind == DcKind::Screen) {
        ComposeScreen(&src);
    } else if (dc.kind == DcKind::Window) {
        src.view = WindowPixels(dc);
    } else if (dc.kind == DcKind::Memory && dc.state.bitmap != nullptr) {
        BitmapObject& bm = *dc.state.bitmap;
        if (bm.dibSection) {
            DibLayout layout;
            BitmapSectionLayout(bm, &layout);
            DibToPixels(layout, bm.dibBits.get(), &src.copy);
            src.view = Surface{src.copy.data(), bm.width, bm.height, bm.width};
            src.bitsPixel = bm.dibHeader.biBitCount;
        } else {
            src.view = BitmapPixels(bm);
            src.bitsPixel = bm.bitsPixel;
        }
    }
    return src;
}

// ---- Colours -----------------------------------------------------------------------

std::uint32_t ResolvePixel(const DcState& s, COLORREF color) {
    if ((color & 0xFF000000u) == 0x01000000u && s.palette != nullptr) {
        const std::size_t index = color & 0xFFFFu;
        if (index < s.palette->entries.size()) {
            const PALETTEENTRY& e = s.palette->entries[index];
            return (static_cast<std::uint32_t>(e.peRed) << 16) |
                   (static_cast<std::uint32_t>(e.peGreen) << 8) | e.peBlue;
        }
        return 0;
    }
    return PixelFromColorRef(color & 0x00FFFFFFu);
}

std::uint32_t MonoPixel(std::uint32_t p) {
    // Luminance (ITU-R BT.601 weights) against the middle grey.
    const int r = static_cast<int>((p >> 16) & 0xFF);
    const int g = static_cast<int>((p >> 8) & 0xFF);
    const int b = static_cast<int>(p & 0xFF);
    return (r * 299 + g * 587 + b * 114) >= 128 * 1000 ? 0x00FFFFFFu : 0u;
}

std::uint32_t GreyPixel(std::uint32_t p) {
    const int r = static_cast<int>((p >> 16) & 0xFF);
    const int g = static_cast<int>((p >> 8) & 0xFF);
    const int b = static_cast<int>(p & 0xFF);
    const std::uint32_t y = static_cast<std::uint32_t>((r * 299 + g * 587 + b * 114 + 500) / 1000);
    return (y << 16) | (y << 8) | y;
}

void SetSourcePixel(cairo_t* cr, std::uint32_t p) {
    cairo_set_source_rgb(cr, ((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0,
                         (p & 0xFF) / 255.0);
}

namespace {

std::uint32_t CanvasPixel(const Canvas& canvas, const DcState& s, COLORREF color) {
    return canvas.Ink(ResolvePixel(s, color));
}

// One row of an 8 x 8 hatch cell: bit x set where the line passes.
bool HatchBit(std::uintptr_t style, int x, int y) {
    switch (style) {
        case HS_HORIZONTAL:
            return y == 0;
        case HS_VERTICAL:
            return x == 0;
        case HS_FDIAGONAL:
            return x == y;
        case HS_BDIAGONAL:
            return x + y == 7;
        case HS_CROSS:
            return x == 0 || y == 0;
        case HS_DIAGCROSS:
            return x == y || x + y == 7;
        default:
            return false;
    }
}

}  // namespace

void FillPathWithBrush(Canvas& canvas, const DcState& s, const LOGBRUSH& brush) {
    cairo_t* cr = canvas.Cr();
    if (brush.lbStyle == BS_NULL) return;
    if (brush.lbStyle != BS_HATCHED) {
        SetSourcePixel(cr, CanvasPixel(canvas, s, brush.lbColor));
        cairo_fill_preserve(cr);
        return;
    }
    if (s.bkMode == OPAQUE) {
        SetSourcePixel(cr, CanvasPixel(canvas, s, s.bkColor));
        cairo_fill_preserve(cr);
    }
    // The hatch lines as an 8 x 8 repeating pattern anchored at the brush
    // origin (device pixels).
    cairo_surface_t* cell = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    const std::uint32_t ink = 0xFF000000u | CanvasPixel(canvas, s, brush.lbColor);
    auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(cell));
    const int stride = cairo_image_surface_get_stride(cell) / 4;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) data[y * stride + x] = HatchBit(brush.lbHatch, x, y) ? ink : 0u;
    }
    cairo_surface_mark_dirty(cell);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(cell);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, -s.brushOrg.x, -s.brushOrg.y);
    cairo_pattern_set_matrix(pattern, &m);
    cairo_set_source(cr, pattern);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(cell);
}

double PenDeviceWidth(const DcState& s) {
    if (s.pen == nullptr || s.pen->desc.lopnWidth.x <= 1) return 1.0;
    const Xform x = DrawXform(s);
    const double w = std::fabs(s.pen->desc.lopnWidth.x * x.sx);
    return std::max(1.0, std::round(w));
}

bool StrokePathWithPen(Canvas& canvas, const DcState& s, double* width) {
    if (s.pen == nullptr || s.pen->desc.lopnStyle == PS_NULL) return false;
    cairo_t* cr = canvas.Cr();
    const double w = PenDeviceWidth(s);
    if (width != nullptr) *width = w;
    SetSourcePixel(cr, CanvasPixel(canvas, s, s.pen->desc.lopnColor));
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, w > 1.0 ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, w > 1.0 ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
    cairo_stroke_preserve(cr);
    return true;
}

bool BrushFromHandle(HBRUSH brush, LOGBRUSH* desc) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= 31) {
        // A system colour index plus one, as window classes name backgrounds.
        desc->lbStyle = BS_SOLID;
        desc->lbColor = GetSysColor(static_cast<int>(value - 1));
        desc->lbHatch = 0;
        return true;
    }
    BrushObject* object = AsBrush(brush);
    if (object == nullptr) return false;
    *desc = object->desc;
    return true;
}

HBRUSH GetSysColorBrush(int index) {
    // One brush per system colour, made on first use and kept.
    static BrushObject* brushes[32] = {};
    if (index < 0 || index >= 32) return nullptr;
    if (brushes[index] == nullptr) {
        LOGBRUSH desc;
        desc.lbColor = GetSysColor(index);
        brushes[index] = NewBrush(desc);
        brushes[index]->stock = true;
    }
    return brushes[index];
}

}  // namespace win
