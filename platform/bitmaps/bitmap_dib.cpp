// Device-independent bitmaps: reading a bitmap's pixels as DIB rows of a
// chosen depth with its colour table, setting a bitmap from DIB rows,
// device bitmaps made from DIBs, DIB sections (bitmaps whose rows the
// program reads and writes directly) and their colour tables.
#include <algorithm>
#include <cstring>

#include "platform/bitmaps/bitmap_dib_format.h"
#include "platform/bitmaps/bitmap_ops.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/surface.h"

namespace win {

void BitmapSectionLayout(const BitmapObject& bm, DibLayout* layout) {
    layout->width = bm.width;
    layout->height = bm.height;
    layout->topDown = bm.dibHeader.biHeight < 0;
    layout->bitCount = bm.dibHeader.biBitCount;
    layout->compression = bm.dibHeader.biCompression;
    layout->colors = bm.colorTable;
    layout->masks = bm.bitfields;
    layout->stride = DibStride(bm.width, bm.dibHeader.biBitCount);
}

namespace {

// A bitmap's pixels, top-down (a DIB section's rows converted).
std::vector<std::uint32_t> BitmapPixels(const BitmapObject& bm) {
    if (!bm.dibSection) return bm.pixels;
    DibLayout l;
    BitmapSectionLayout(bm, &l);
    std::vector<std::uint32_t> out;
    DibToPixels(l, bm.dibBits.get(), &out);
    return out;
}

}  // namespace

Image32 BitmapAsImage(const BitmapObject& bm) {
    Image32 image;
    image.width = bm.width;
    image.height = bm.height;
    image.pixels = BitmapPixels(bm);
    return image;
}

namespace {

void StorePixels(BitmapObject& bm, const std::vector<std::uint32_t>& pixels) {
    if (bm.dibSection) {
        DibLayout l;
        BitmapSectionLayout(bm, &l);
        PixelsToDib(l, pixels.data(), bm.dibBits.get());
        return;
    }
    bm.pixels = pixels;
    if (bm.bitsPixel == 1) {
        for (std::uint32_t& p : bm.pixels) p = p == 0x00FFFFFFu ? p : 0u;
    }
}

const std::vector<PALETTEENTRY>* DcPalette(const DeviceContext* dc) {
    return dc != nullptr && dc->state.palette != nullptr ? &dc->state.palette->entries : nullptr;
}

// The colour table GetDIBits reports for a bitmap read at an indexed depth.
std::vector<RGBQUAD> TableFor(const BitmapObject& bm, int bitCount, const DeviceContext* dc) {
    if (bm.dibSection && bm.dibHeader.biBitCount == bitCount && !bm.colorTable.empty()) {
        return bm.colorTable;
    }
    if (!bm.dibSection && bm.bitsPixel == 1) return StandardColorTable(1);
    // A palette the program selected (not the default one) gives the colours
    // of an 8-bit read.
    if (bitCount == 8 && dc != nullptr && dc->state.palette != nullptr &&
        !dc->state.palette->stock) {
        std::vector<RGBQUAD> table;
        for (const PALETTEENTRY& e : dc->state.palette->entries) {
            if (table.size() == 256) break;
            RGBQUAD q;
            q.rgbRed = e.peRed;
            q.rgbGreen = e.peGreen;
            q.rgbBlue = e.peBlue;
            table.push_back(q);
        }
        table.resize(256);
        return table;
    }
    return StandardColorTable(bitCount);
}

}  // namespace

int GetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage) {
    DeviceContext* dc = AsDc(hdc);
    BitmapObject* bm = AsBitmap(bitmap);
    if (dc == nullptr || bm == nullptr || info == nullptr) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
    const int ownDepth = bm->dibSection ? bm->dibHeader.biBitCount : bm->bitsPixel;
    if (bits == nullptr && h.biBitCount == 0) {
        // Only the header is asked for: the bitmap's own size and depth.
        h.biWidth = bm->width;
        h.biHeight = bm->height;
        h.biPlanes = 1;
        h.biBitCount = static_cast<WORD>(ownDepth);
        h.biCompression = BI_RGB;
        h.biSizeImage = static_cast<DWORD>(DibStride(bm->width, ownDepth) * bm->height);
        return bm->height;
    }
    const int depth = h.biBitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)
        return 0;
    if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS) return 0;
    const bool topDown = h.biHeight < 0;
    h.biWidth = bm->width;
    h.biHeight = topDown ? -bm->height : bm->height;
    h.biPlanes = 1;
    h.biSizeImage = static_cast<DWORD>(DibStride(bm->width, depth) * bm->height);
    DibLayout l;
    l.width = bm->width;
    l.height = bm->height;
    l.topDown = topDown;
    l.bitCount = depth;
    l.stride = DibStride(bm->width, depth);
    if (depth == 16) l.masks = {0x7C00, 0x03E0, 0x001F};
    if (depth == 32) l.masks = {0xFF0000, 0xFF00, 0xFF};
    auto* extra = reinterpret_cast<std::uint8_t*>(info) + h.biSize;
    if (h.biCompression == BI_BITFIELDS && (depth == 16 || depth == 32)) {
        std::memcpy(extra, l.masks.data(), 12);
    }
    if (depth <= 8) {
        l.colors = TableFor(*bm, depth, dc);
        l.colors.resize(std::size_t{1} << depth);
        if (usage == DIB_PAL_COLORS) {
            // Indices into the context's palette, as 16-bit words.
            auto* words = reinterpret_cast<WORD*>(extra);
            for (std::size_t i = 0; i < l.colors.size(); ++i) words[i] = static_cast<WORD>(i);
        } else {
            std::memcpy(extra, l.colors.data(), l.colors.size() * sizeof(RGBQUAD));
        }
        h.biClrUsed = 0;
    }
    if (bits == nullptr) return bm->height;
    if (start >= static_cast<UINT>(bm->height)) return 0;
    const UINT count = std::min<UINT>(lines, static_cast<UINT>(bm->height) - start);
    const std::vector<std::uint32_t> pixels = BitmapPixels(*bm);
    std::vector<std::uint8_t> all(l.ImageBytes());
    PixelsToDib(l, pixels.data(), all.data());
    // Scan line numbers count in the DIB's row order.
    std::memcpy(bits, all.data() + static_cast<std::size_t>(start) * l.stride,
                static_cast<std::size_t>(count) * l.stride);
    return static_cast<int>(count);
}

int SetDIBits(HDC hdc, HBITMAP bitmap, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage) {
    DeviceContext* dc = AsDc(hdc);
    BitmapObject* bm = AsBitmap(bitmap);
    DibLayout l;
    if (bm == nullptr || bits == nullptr || info == nullptr ||
        !ParseDibHeader(info, usage, DcPalette(dc), &l)) {
        return 0;
    }
    if (l.width != bm->width || start >= static_cast<UINT>(l.height)) return 0;
    const UINT count = std::min<UINT>(lines, static_cast<UINT>(l.height) - start);
    // Put the given scan lines into a full-size DIB of the bitmap's current
    // pixels, then convert the whole back.
    std::vector<std::uint32_t> pixels = BitmapPixels(*bm);
    const int rows = std::min(l.height, bm->height);
    std::vector<std::uint8_t> all(l.ImageBytes());
    std::vector<std::uint32_t> current(static_cast<std::size_t>(l.width) * l.height, 0);
    for (int y = 0; y < rows; ++y) {
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * bm->width, l.width,
                    current.begin() + static_cast<std::ptrdiff_t>(y) * l.width);
    }
    PixelsToDib(l, current.data(), all.data());
    std::memcpy(all.data() + static_cast<std::size_t>(start) * l.stride, bits,
                static_cast<std::size_t>(count) * l.stride);
    DibToPixels(l, all.data(), &current);
    for (int y = 0; y < rows; ++y) {
        std::copy_n(current.begin() + static_cast<std::ptrdiff_t>(y) * l.width, l.width,
                    pixels.begin() + static_cast<std::ptrdiff_t>(y) * bm->width);
    }
    StorePixels(*bm, pixels);
    return static_cast<int>(count);
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || header == nullptr) return nullptr;
    const int width = header->biWidth;
    const int height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    HBITMAP bitmap = CreateCompatibleBitmap(hdc, width, height);
    if (bitmap == nullptr) return nullptr;
    if ((init & CBM_INIT) != 0 && bits != nullptr && info != nullptr) {
        if (SetDIBits(hdc, bitmap, 0, static_cast<UINT>(height), bits, info, usage) == 0) {
            DeleteObject(bitmap);
            return nullptr;
        }
    }
    return bitmap;
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    (void)offset;
    if (bits != nullptr) *bits = nullptr;
    DeviceContext* dc = hdc != nullptr ? AsDc(hdc) : nullptr;
    if ((hdc != nullptr && dc == nullptr) || section != nullptr) return nullptr;
    DibLayout l;
    if (info == nullptr || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) ||
        !ParseDibHeader(info, usage, DcPalette(dc), &l)) {
        return nullptr;
    }
    auto* bm = new BitmapObject;
    bm->width = l.width;
    bm->height = l.height;
    bm->bitsPixel = l.bitCount;
    bm->dibSection = true;
    bm->dibHeader = info->bmiHeader;
    bm->dibHeader.biSize = sizeof(BITMAPINFOHEADER);
    bm->dibHeader.biSizeImage = static_cast<DWORD>(l.ImageBytes());
    bm->colorTable = l.colors;
    if (l.bitCount <= 8) bm->colorTable.resize(std::size_t{1} << l.bitCount);
    bm->bitfields = l.masks;
    bm->dibBitsSize = l.ImageBytes();
    bm->dibBits.reset(new std::uint8_t[bm->dibBitsSize]());
    RegisterObject(bm);
    if (bits != nullptr) *bits = bm->dibBits.get();
    return bm;
}

namespace {

BitmapObject* SelectedSection(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || dc->kind != DcKind::Memory || dc->state.bitmap == nullptr) return nullptr;
    BitmapObject* bm = dc->state.bitmap;
    return bm->dibSection && bm->dibHeader.biBitCount <= 8 ? bm : nullptr;
}

}  // namespace

UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors) {
    BitmapObject* bm = SelectedSection(hdc);
    if (bm == nullptr || colors == nullptr) return 0;
    const UINT size = static_cast<UINT>(bm->colorTable.size());
    if (start >= size) return 0;
    const UINT n = std::min(count, size - start);
    std::copy_n(bm->colorTable.begin() + start, n, colors);
    return n;
}

UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors) {
    BitmapObject* bm = SelectedSection(hdc);
    if (bm == nullptr || colors == nullptr) return 0;
    const UINT size = static_cast<UINT>(bm->colorTable.size());
    if (start >= size) return 0;
    const UINT n = std::min(count, size - start);
    std::copy_n(colors, n, bm->colorTable.begin() + start);
    return n;
}

}  // namespace win
