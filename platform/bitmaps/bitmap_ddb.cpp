// Device-dependent bitmaps: creation (plain, compatible with a context,
// from the program's picture resources), their packed rows, and the
// resource table of pictures.
//
// A colour bitmap keeps 32-bit pixels (the screen's format); a monochrome
// bitmap (one plane, one bit) keeps black and white. Packed rows of
// GetBitmapBits and SetBitmapBits are top-down and padded to 16 bits; a set
// bit of a monochrome row is white.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

#include "platform/bitmaps/bitmap_dib_format.h"
#include "platform/bitmaps/bitmap_ops.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_objects.h"

namespace win {
namespace {

// A picture resource: its packed DIB, or the function that draws it on first
// use; once loaded, its pixels are kept decoded so later loads only copy them.
struct PictureResource {
    std::vector<std::uint8_t> dib;
    std::function<std::vector<std::uint8_t>()> make;
    bool decoded = false;
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPixel = 32;
    std::vector<std::uint32_t> pixels;
};

std::map<int, PictureResource>& Resources() {
    static std::map<int, PictureResource> resources;
    return resources;
}

void Decode(PictureResource& r) {
    if (r.make) {
        r.dib = r.make();
        r.make = nullptr;
    }
    r.decoded = true;
    DibLayout l;
    r.valid = ParsePackedDib(r.dib.data(), r.dib.size(), &l);
    if (!r.valid) return;
    r.width = l.width;
    r.height = l.height;
    r.bitsPixel = l.bitCount == 1 ? 1 : 32;
    DibToPixels(l, r.dib.data() + l.headerBytes, &r.pixels);
}

// The packed-row layout of a device bitmap of the given depth.
DibLayout PackedLayout(int width, int height, int bitsPixel) {
    DibLayout l;
    l.width = width;
    l.height = height;
    l.topDown = true;
    l.bitCount = bitsPixel;
    l.stride = ((static_cast<std::size_t>(width) * bitsPixel + 15) / 16) * 2;
    l.colors = StandardColorTable(bitsPixel);
    if (bitsPixel == 16) l.masks = {0x7C00, 0x03E0, 0x001F};
    if (bitsPixel == 32) l.masks = {0xFF0000, 0xFF00, 0xFF};
    return l;
}

}  // namespace

bool ValidBitmapSize(int width, int height) {
    return width > 0 && height > 0 && width <= 65535 && height <= 65535 &&
           static_cast<long long>(width) * height <= 64LL * 1024 * 1024;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    const UINT depth = planes * bitsPerPixel;
    if (!ValidBitmapSize(width, height) || planes != 1 ||
        (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32)) {
        return nullptr;
    }
    BitmapObject* bm = NewBitmap(width, height, static_cast<int>(depth));
    if (bits != nullptr) {
        const DibLayout l = PackedLayout(width, height, static_cast<int>(depth));
        DibToPixels(l, static_cast<const std::uint8_t*>(bits), &bm->pixels);
    }
    return bm;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || !ValidBitmapSize(width, height)) return nullptr;
    // A memory context is compatible with the bitmap it holds: a new memory
    // context holds a monochrome one.
    const bool mono = dc->kind == DcKind::Memory && dc->state.bitmap != nullptr &&
                      !dc->state.bitmap->dibSection && dc->state.bitmap->bitsPixel == 1;
    BitmapObject* bm = NewBitmap(width, height, mono ? 1 : 32);
    return bm;
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits) {
    BitmapObject* bm = AsBitmap(bitmap);
    if (bm == nullptr || bits == nullptr || size <= 0) return 0;
    const int depth = bm->dibSection ? bm->dibHeader.biBitCount : bm->bitsPixel;
    const DibLayout l = PackedLayout(bm->width, bm->height, depth);
    std::vector<std::uint8_t> all(l.ImageBytes());
    const std::vector<std::uint32_t>* pixels = &bm->pixels;
    std::vector<std::uint32_t> converted;
    if (bm->dibSection) {
        DibLayout section;
        BitmapSectionLayout(*bm, &section);
        DibToPixels(section, bm->dibBits.get(), &converted);
        pixels = &converted;
    }
    PixelsToDib(l, pixels->data(), all.data());
    const std::size_t n = std::min<std::size_t>(all.size(), static_cast<std::size_t>(size));
    std::memcpy(bits, all.data(), n);
    return static_cast<LONG>(n);
}

LONG SetBitmapBits(HBITMAP bitmap, DWORD size, const void* bits) {
    BitmapObject* bm = AsBitmap(bitmap);
    if (bm == nullptr || bits == nullptr || bm->dibSection) return 0;
    const DibLayout l = PackedLayout(bm->width, bm->height, bm->bitsPixel);
    // Whole rows only: a short buffer sets the rows it holds.
    const std::size_t rows =
        std::min<std::size_t>(size / l.stride, static_cast<std::size_t>(bm->height));
    std::vector<std::uint8_t> all(l.ImageBytes(), 0);
    PixelsToDib(l, bm->pixels.data(), all.data());
    std::memcpy(all.data(), bits, rows * l.stride);
    DibToPixels(l, all.data(), &bm->pixels);
    return static_cast<LONG>(rows * l.stride);
}

HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags) {
    (void)flags;
    BitmapObject* src = AsBitmap(static_cast<HGDIOBJ>(image));
    if (src == nullptr || type != IMAGE_BITMAP || cx < 0 || cy < 0) return nullptr;
    const int width = cx == 0 ? src->width : cx;
    const int height = cy == 0 ? src->height : cy;
    if (!ValidBitmapSize(width, height)) return nullptr;
    const Image32 picture = BitmapAsImage(*src);
    BitmapObject* copy = NewBitmap(width, height, !src->dibSection && src->bitsPixel == 1 ? 1 : 32);
    HDC to = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(to, copy);
    SetStretchBltMode(to, COLORONCOLOR);
    DrawImage(*to, 0, 0, width, height, picture, SRCCOPY);
    SelectObject(to, old);
    DeleteDC(to);
    return copy;
}

void SetResourceBitmap(int id, const void* packedDib, std::size_t size) {
    if (packedDib == nullptr || size == 0) {
        Resources().erase(id);
        return;
    }
    const auto* p = static_cast<const std::uint8_t*>(packedDib);
    PictureResource& r = Resources()[id] = PictureResource();
    r.dib.assign(p, p + size);
}

void SetResourceBitmapMaker(int id, std::function<std::vector<std::uint8_t>()> make) {
    if (!make) {
        Resources().erase(id);
        return;
    }
    PictureResource& r = Resources()[id] = PictureResource();
    r.make = std::move(make);
}

void ClearResourceBitmaps() {
    Resources().clear();
}

HBITMAP LoadBitmapA(HINSTANCE instance, int id) {
    (void)instance;
    auto it = Resources().find(id);
    if (it == Resources().end()) return nullptr;
    PictureResource& r = it->second;
    if (!r.decoded) Decode(r);
    if (!r.valid) return nullptr;
    return NewBitmap(r.width, r.height, r.bitsPixel, r.pixels);
}

HBITMAP LoadBitmapA(HINSTANCE instance, const char* name) {
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value == 0) return nullptr;
    if (value < 0x10000) return LoadBitmapA(instance, static_cast<int>(value));
    if (name[0] == '#') return LoadBitmapA(instance, std::atoi(name + 1));
    return nullptr;
}

}  // namespace win
