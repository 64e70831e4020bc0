// Bit-block transfers: copying and stretching pixels between contexts and
// from DIBs onto a context, with raster operations and the stretch modes.
//
// On raster targets every destination pixel is computed here: the source
// pixels it covers are found, combined by the stretch mode (the first one
// for COLORONCOLOR, AND for BLACKONWHITE, OR for WHITEONBLACK, the average
// for HALFTONE) and merged with pattern and destination by the raster
// operation. On a PDF page the picture becomes an image.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/bitmaps/bitmap_dib_format.h"
#include "platform/bitmaps/bitmap_ops.h"
#include "platform/gdi/gdi_render.h"
#include "platform/gdi/gdi_rop.h"
#include "platform/gdi/gdi_transform.h"
#include "platform/metafile/metafile_ops.h"

namespace win {

Image32 CutImage(const Surface& view, int x, int y, int w, int h) {
    Image32 out;
    if (w <= 0 || h <= 0) return out;
    out.width = w;
    out.height = h;
    out.pixels.assign(static_cast<std::size_t>(w) * h, 0x00FFFFFFu);
    // The columns of the view the rectangle covers; the rest stay white.
    const int i0 = std::clamp(-x, 0, w);
    const int i1 = std::clamp(view.width - x, i0, w);
    for (int j = 0; j < h; ++j) {
        const int sy = y + j;
        if (sy < 0 || sy >= view.height) continue;
        const std::uint32_t* row = view.Row(sy) + x;
        std::uint32_t* to = out.pixels.data() + static_cast<std::size_t>(j) * w;
        for (int i = i0; i < i1; ++i) to[i] = row[i] & 0x00FFFFFFu;
    }
    return out;
}

namespace {

// Exact division of the channel sums of a halftone box by its pixel count n:
// (sum * ceil(2^32 / n)) >> 32 equals sum / n while sum * n < 2^32, which
// holds for sums of 8-bit channels over fewer than 4,096 pixels; larger boxes
// divide.
class BoxDivider {
  public:
    explicit BoxDivider(int largest) {
        reciprocal_.resize(static_cast<std::size_t>(std::clamp(largest, 0, kTableEnd - 1)) + 1, 0);
        for (std::size_t n = 1; n < reciprocal_.size(); ++n) reciprocal_[n] = 0xFFFFFFFFull / n + 1;
    }
    [[nodiscard]] unsigned Divide(unsigned sum, unsigned n) const {
        if (n >= reciprocal_.size()) return sum / n;
        return static_cast<unsigned>((sum * reciprocal_[n]) >> 32);
    }

  private:
    static constexpr int kTableEnd = 4096;
    std::vector<std::uint64_t> reciprocal_;
};

// Boxes of fewer pixels than this keep each 8-bit channel's sum below 2^21.
constexpr unsigned kPackedBoxLimit = 8192;

// Combines the source pixels of [x0, x1) x [y0, y1) by the stretch mode.
std::uint32_t Sample(const Image32& src, int x0, int x1, int y0, int y1, int mode,
                     const BoxDivider& divider) {
    const std::uint32_t* top = src.pixels.data() + static_cast<std::size_t>(y0) * src.width;
    if (mode == COLORONCOLOR || (x1 - x0 == 1 && y1 - y0 == 1)) return top[x0];
    if (mode == HALFTONE) {
        const auto n = static_cast<unsigned>((x1 - x0) * (y1 - y0));
        unsigned r = 0, g = 0, b = 0;
        const std::uint32_t* row = top;
        if (n < kPackedBoxLimit) {
            // The three channel sums side by side in one word, 21 bits apart.
            std::uint64_t sum = 0;
            for (int y = y0; y < y1; ++y, row += src.width) {
                for (int x = x0; x < x1; ++x) {
                    const std::uint64_t p = row[x];
                    sum += ((p & 0xFF0000u) << 26) | ((p & 0xFF00u) << 13) | (p & 0xFFu);
                }
            }
            r = static_cast<unsigned>(sum >> 42);
            g = static_cast<unsigned>(sum >> 21) & 0x1FFFFFu;
            b = static_cast<unsigned>(sum) & 0x1FFFFFu;
        } else {
            for (int y = y0; y < y1; ++y, row += src.width) {
                for (int x = x0; x < x1; ++x) {
                    const std::uint32_t p = row[x];
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                }
            }
        }
        return (divider.Divide(r, n) << 16) | (divider.Divide(g, n) << 8) | divider.Divide(b, n);
    }
    std::uint32_t acc = mode == BLACKONWHITE ? 0x00FFFFFFu : 0u;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            acc = mode == BLACKONWHITE ? (acc & src.At(x, y)) : (acc | src.At(x, y));
        }
    }
    return acc;
}

// The source span [first, last) that destination pixel i of n covers in a
// source of m pixels (mirrored when `flip`).
void SourceSpan(int i, int n, int m, bool flip, int* first, int* last) {
    if (flip) i = n - 1 - i;
    int a = static_cast<int>(std::floor(static_cast<double>(i) * m / n));
    int b = static_cast<int>(std::ceil(static_cast<double>(i + 1) * m / n));
    a = std::clamp(a, 0, m - 1);
    b = std::clamp(b, a + 1, m);
    if (n >= m) b = a + 1;  // enlarging: each destination pixel takes one source pixel
    *first = a;
    *last = b;
}

void BlitRaster(Canvas& canvas, const DcState& s, const RECT& d, bool flipX, bool flipY,
                const Image32& src, DWORD rop) {
    const Surface& px = canvas.Pixels();
    const int w = d.right - d.left;
    const int h = d.bottom - d.top;
    const int mode = s.stretchMode;
    const LOGBRUSH brush = s.brush != nullptr ? s.brush->desc : LOGBRUSH{};
    const bool pattern = RopUsesPattern(rop);
    const bool plainInk = !canvas.IsMono() && !canvas.IsGrey();
    const int x0 = std::max<int>(0, d.left);
    const int x1 = std::min<int>(px.width, d.right);
    const int y0 = std::max<int>(0, d.top);
    const int y1 = std::min<int>(px.height, d.bottom);
    std::vector<int> colFirst(static_cast<std::size_t>(std::max(0, x1 - x0)));
    std::vector<int> colLast(colFirst.size());
    int widest = 1;
    for (int x = x0; x < x1; ++x) {
        SourceSpan(x - d.left, w, src.width, flipX, &colFirst[x - x0], &colLast[x - x0]);
        widest = std::max(widest, colLast[x - x0] - colFirst[x - x0]);
    }
    // No row span is taller than this (a bound only: a taller box would still divide exactly).
    const int tallest = h > 0 ? src.height / h + 2 : 1;
    const BoxDivider divider(mode == HALFTONE ? widest * tallest : 0);
    const bool copyRows =
        rop == SRCCOPY && plainInk && !flipX && !flipY && w == src.width && h == src.height;
    std::vector<std::pair<int, int>> runs;
    for (int y = y0; y < y1; ++y) {
        int r0, r1;
        SourceSpan(y - d.top, h, src.height, flipY, &r0, &r1);
        std::uint32_t* row = px.Row(y);
        canvas.VisibleRuns(y, x0, x1, &runs);
        if (copyRows) {
            // Unscaled and unchanged: each run is the source row's run.
            const std::uint32_t* line =
                src.pixels.data() + static_cast<std::size_t>(y - d.top) * src.width;
            for (const auto& [a, b] : runs)
                std::copy(line + (a - d.left), line + (b - d.left), row + a);
            continue;
        }
        for (const auto& [from, to] : runs) {
            for (int x = from; x < to; ++x) {
                const std::uint32_t sp =
                    Sample(src, colFirst[x - x0], colLast[x - x0], r0, r1, mode, divider);
                std::uint32_t out = sp;
                if (rop != SRCCOPY) {
                    const std::uint32_t p = pattern ? BrushPixelAt(s, brush, x, y) : 0u;
                    out = ApplyRop3(rop, p, sp, row[x] & 0x00FFFFFFu);
                }
                row[x] = plainInk ? out : canvas.Ink(out);
            }
        }
    }
    canvas.MarkDirty();
}

void BlitVector(Canvas& canvas, const DcState& s, const RECT& d, bool flipX, bool flipY,
                const Image32& src, DWORD rop) {
    cairo_t* cr = canvas.Cr();
    // A grey page gets the picture's greys.
    std::vector<std::uint32_t> greys;
    const std::uint32_t* pixels = src.pixels.data();
    if (canvas.IsGrey()) {
        greys.reserve(src.pixels.size());
        for (std::uint32_t p : src.pixels) greys.push_back(GreyPixel(p));
        pixels = greys.data();
    }
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(pixels)), CAIRO_FORMAT_RGB24,
        src.width, src.height, src.width * 4);
    // The picture ends a hair inside its right and bottom edges: readers
    // that fill every device pixel a picture touches would otherwise give
    // it one more column and row than it covers when its edges fall exactly
    // on pixel boundaries.
    constexpr double kInset = 1.0 / 64;
    const double width = d.right - d.left - kInset;
    const double height = d.bottom - d.top - kInset;
    cairo_save(cr);
    cairo_rectangle(cr, d.left, d.top, d.right - d.left, d.bottom - d.top);
    cairo_clip(cr);
    cairo_translate(cr, flipX ? d.right - kInset : d.left, flipY ? d.bottom - kInset : d.top);
    cairo_scale(cr, (flipX ? -1.0 : 1.0) * width / src.width,
                (flipY ? -1.0 : 1.0) * height / src.height);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr),
                             s.stretchMode == HALFTONE ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    // Raster operations become the nearest blend modes for black-and-white
    // pictures: AND multiplies, OR lightens, exclusive-or takes the difference.
    if (rop == SRCAND) cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
    if (rop == SRCPAINT) cairo_set_operator(cr, CAIRO_OPERATOR_LIGHTEN);
    if (rop == SRCINVERT) cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(image);
}

}  // namespace

void DrawImage(DeviceContext& dc, int x, int y, int width, int height, const Image32& picture,
               DWORD rop) {
    if (picture.width <= 0 || picture.height <= 0 || width == 0 || height == 0) return;
    Record(dc, ops::Image{RECT{x, y, width, height}, picture, rop});
    Canvas canvas(dc);
    if (!canvas.Ok()) return;
    const Xform xf = DrawXform(dc.state);
    const POINT a = ToDevicePixel(xf, x, y);
    const POINT b = ToDevicePixel(xf, x + width, y + height);
    // A rectangle whose corners come out reversed on the device shows the
    // picture mirrored.
    const bool flipX = b.x < a.x;
    const bool flipY = b.y < a.y;
    const RECT d{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    if (d.right <= d.left || d.bottom <= d.top) return;
    if (canvas.IsVector()) {
        BlitVector(canvas, dc.state, d, flipX, flipY, picture, rop);
    } else {
        BlitRaster(canvas, dc.state, d, flipX, flipY, picture, rop);
    }
}

namespace {

// The source rectangle of a blit as colours: a monochrome source shows the
// destination's text colour for black and its background colour for white.
bool SourcePicture(DeviceContext& src, const DeviceContext& dest, int x, int y, int w, int h,
                   Image32* out) {
    PixelSource pixels = ReadPixels(src);
    if (pixels.view.Empty()) return false;
    const Xform xf = DrawXform(src.state);
    const POINT a = ToDevicePixel(xf, x, y);
    const POINT b = ToDevicePixel(xf, x + w, y + h);
    *out = CutImage(pixels.view, std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x),
                    std::abs(b.y - a.y));
    if (out->width == 0 || out->height == 0) return false;
    if (pixels.bitsPixel == 1 && src.state.bitmap != nullptr && !src.state.bitmap->dibSection) {
        const std::uint32_t fore = ResolvePixel(dest.state, dest.state.textColor);
        const std::uint32_t back = ResolvePixel(dest.state, dest.state.bkColor);
        for (std::uint32_t& p : out->pixels) p = p == 0 ? fore : back;
    }
    return true;
}

}  // namespace

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop) {
    DeviceContext* d = AsDc(dest);
    if (d == nullptr) return FALSE;
    if (!RopUsesSource(rop)) return PatBlt(dest, x, y, width, height, rop);
    DeviceContext* s = AsDc(src);
    if (s == nullptr || srcWidth == 0 || srcHeight == 0) return FALSE;
    Image32 picture;
    if (!SourcePicture(*s, *d, srcX, srcY, srcWidth, srcHeight, &picture)) return FALSE;
    // The picture is taken upright from the source; opposite signs of the two
    // widths (or heights) mirror it on the destination.
    const int left = width < 0 ? x + width : x;
    const int top = height < 0 ? y + height : y;
    const int w = std::abs(width);
    const int h = std::abs(height);
    const bool mirrorX = (srcWidth < 0) != (width < 0);
    const bool mirrorY = (srcHeight < 0) != (height < 0);
    DrawImage(*d, mirrorX ? left + w : left, mirrorY ? top + h : top, mirrorX ? -w : w,
              mirrorY ? -h : h, picture, rop);
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    return StretchBlt(dest, x, y, width, height, src, srcX, srcY, width, height, rop);
}

namespace {

const std::vector<PALETTEENTRY>* Palette(const DeviceContext& dc) {
    return dc.state.palette != nullptr ? &dc.state.palette->entries : nullptr;
}

}  // namespace

int StretchDIBits(HDC hdc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    DeviceContext* dc = AsDc(hdc);
    DibLayout l;
    if (dc == nullptr || bits == nullptr || info == nullptr ||
        !ParseDibHeader(info, usage, Palette(*dc), &l) || srcWidth <= 0 || srcHeight <= 0) {
        return 0;
    }
    std::vector<std::uint32_t> pixels;
    DibToPixels(l, static_cast<const std::uint8_t*>(bits), &pixels);
    // For a bottom-up DIB the source y counts from the bottom row.
    const int top = l.topDown ? srcY : l.height - srcY - srcHeight;
    const Surface view{pixels.data(), l.width, l.height, l.width};
    const Image32 picture = CutImage(view, srcX, top, srcWidth, srcHeight);
    DrawImage(*dc, x, y, width, height, picture, rop);
    return srcHeight;
}

int SetDIBitsToDevice(HDC hdc, int x, int y, DWORD width, DWORD height, int srcX, int srcY,
                      UINT startScan, UINT scanLines, const void* bits, const BITMAPINFO* info,
                      UINT usage) {
    DeviceContext* dc = AsDc(hdc);
    DibLayout l;
    if (dc == nullptr || bits == nullptr || info == nullptr || scanLines == 0 ||
        !ParseDibHeader(info, usage, Palette(*dc), &l) || width == 0 || height == 0) {
        return 0;
    }
    // The block holds scan lines startScan .. startScan + scanLines - 1 of the
    // picture, counted from its bottom (bottom-up) or top (top-down) row.
    const int full = l.height;
    const int lines = static_cast<int>(std::min<UINT>(scanLines, static_cast<UINT>(full)));
    DibLayout band = l;
    band.height = lines;
    std::vector<std::uint32_t> pixels;
    DibToPixels(band, static_cast<const std::uint8_t*>(bits), &pixels);
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    // Rows of the source rectangle, in the DIB's own numbering.
    const int first = std::max(srcY, static_cast<int>(startScan));
    const int last = std::min(srcY + h, static_cast<int>(startScan) + lines);
    if (first >= last) return lines;
    // Top-down index within the band of DIB row r, and its destination row.
    auto bandRow = [&](int r) {
        return l.topDown ? r - static_cast<int>(startScan)
                         : lines - 1 - (r - static_cast<int>(startScan));
    };
    auto destRow = [&](int r) { return l.topDown ? y + (r - srcY) : y + (srcY + h - 1 - r); };
    const int topRow = std::min(bandRow(first), bandRow(last - 1));
    const int destTop = std::min(destRow(first), destRow(last - 1));
    const Surface view{pixels.data(), l.width, lines, l.width};
    const Image32 picture = CutImage(view, srcX, topRow, w, last - first);
    DrawImage(*dc, x, destTop, w, last - first, picture, SRCCOPY);
    return lines;
}

}  // namespace win
