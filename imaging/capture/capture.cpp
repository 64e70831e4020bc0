// Capture of device bitmaps, DIB sections and screen areas into images.
#include "imaging/capture/capture.h"

#include <algorithm>
#include <vector>

#include "imaging/frame/image_alloc.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

namespace {

// A logical palette of `count` entries, or null.
win::HPALETTE MakePalette(const win::PALETTEENTRY* entries, int count) {
    std::vector<uint8_t> memory(sizeof(win::LOGPALETTE) +
                                sizeof(win::PALETTEENTRY) * static_cast<std::size_t>(count));
    auto* logical = reinterpret_cast<win::LOGPALETTE*>(memory.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<win::WORD>(count);
    std::copy(entries, entries + count, logical->palPalEntry);
    return win::CreatePalette(logical);
}

// The depth class of a bitmap's planes x bits per pixel.
int32_t DepthClass(int bits) {
    return bits < 2 ? 1 : bits < 5 ? 4 : bits < 9 ? 8 : 24;
}

win::RGBQUAD Quad(const win::PALETTEENTRY& e) {
    return win::RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
}

}  // namespace

int32_t CaptureBitmap(win::HDC dc, win::HBITMAP bitmap, ImageDesc* image) {
    if (image == nullptr) return IMG_BAD_ARGUMENT;
    int32_t status = IMG_NO_BITMAP_DATA;
    win::HPALETTE made = nullptr;
    win::HPALETTE previous = nullptr;
    const bool paletteDevice = (win::GetDeviceCaps(dc, win::RASTERCAPS) & win::RC_PALETTE) != 0;
    int paletteSize = 0;
    if (paletteDevice) {
        // Read the picture through the colours the screen shows.
        paletteSize = std::clamp(win::GetDeviceCaps(dc, win::SIZEPALETTE), 0, 256);
        std::vector<win::PALETTEENTRY> entries(static_cast<std::size_t>(std::max(paletteSize, 1)));
        win::GetSystemPaletteEntries(dc, 0, static_cast<win::UINT>(paletteSize), entries.data());
        made = MakePalette(entries.data(), paletteSize);
        if (made != nullptr) {
            previous = win::SelectPalette(dc, made, win::FALSE);
            win::RealizePalette(dc);
        }
    }
    win::BITMAP info;
    if (win::GetObjectA(bitmap, sizeof info, &info) == static_cast<int>(sizeof info)) {
        const int bits = info.bmPlanes * info.bmBitsPixel;
        const int32_t depth = bits == 1 ? 1 : bits <= 8 ? 8 : 24;
        status = AllocImage(image, info.bmWidth, info.bmHeight, depth);
        if (status == IMG_OK) {
            if (!paletteDevice || paletteSize > 2) image->flags = 0;
            auto* header = reinterpret_cast<win::BITMAPINFO*>(image->header);
            if (win::GetDIBits(dc, bitmap, 0, static_cast<win::UINT>(image->header->biHeight),
                               image->bits, header, win::DIB_RGB_COLORS) == 0) {
                status = IMG_NO_BITMAP_DATA;  // the image stays with the caller
            } else if (image->dibSection != nullptr) {
                (void)SetDibSectionPalette(image);
            }
        }
    }
    if (made != nullptr) {
        win::SelectPalette(dc, previous, win::FALSE);
        win::DeleteObject(made);
    }
    return status;
}

int32_t ImageFromDibSection(win::HBITMAP bitmap, ImageDesc* image) {
    if (image == nullptr) return IMG_BAD_ARGUMENT;
    win::DIBSECTION ds;
    if (win::GetObjectA(bitmap, sizeof ds, &ds) != static_cast<int>(sizeof ds))
        return IMG_NOT_A_BITMAP;
    const int32_t bits = ds.dsBmih.biBitCount;
    if (bits != 1 && bits != 8 && bits != 24) return IMG_BAD_BIT_DEPTH;
    if (ds.dsBmih.biCompression != win::BI_RGB) return IMG_COMPRESSED_DIB;
    const int32_t height = ds.dsBm.bmHeight;
    int32_t status = AllocImage(image, ds.dsBm.bmWidth, height, bits);
    if (status != IMG_OK) return status;
    if (image->colorCount > 0) {
        win::HDC screen = win::GetDC(nullptr);
        win::HDC memory = win::CreateCompatibleDC(screen);
        win::ReleaseDC(nullptr, screen);
        if (memory == nullptr) {
            FreeImage(image);
            return IMG_NO_MEMORY;
        }
        win::HGDIOBJ old = win::SelectObject(memory, bitmap);
        const win::UINT n = win::GetDIBColorTable(
            memory, 0, static_cast<win::UINT>(image->colorCount), image->palette);
        win::SelectObject(memory, old);
        win::DeleteDC(memory);
        if (n > 0) image->colorCount = static_cast<int32_t>(n);
        image->flags &= ~IMG_FLAG_GREY;
        if (image->dibSection != nullptr) (void)SetDibSectionPalette(image);
    }
    // The section's rows, first row first, one stride at a time.
    const auto* rows = static_cast<const uint8_t*>(ds.dsBm.bmBits);
    const std::size_t sectionStride = static_cast<std::size_t>(ds.dsBm.bmWidthBytes);
    const std::size_t rowBytes = std::min<std::size_t>(sectionStride, image->stride);
    for (int32_t r = 0; r < height && rows != nullptr; ++r) {
        std::copy(rows + sectionStride * static_cast<std::size_t>(r),
                  rows + sectionStride * static_cast<std::size_t>(r) + rowBytes,
                  image->bits + image->stride * static_cast<std::size_t>(r));
    }
    return IMG_OK;
}

int32_t ImageFromBitmap(win::HBITMAP bitmap, win::HPALETTE palette, ImageDesc* image) {
    if (image == nullptr) return IMG_BAD_ARGUMENT;
    win::DIBSECTION ds;
    const int got = win::GetObjectA(bitmap, sizeof ds, &ds);
    if (got != static_cast<int>(sizeof ds) && got != static_cast<int>(sizeof(win::BITMAP))) {
        return IMG_NOT_A_BITMAP;
    }
    const int32_t depthClass = DepthClass(ds.dsBm.bmPlanes * ds.dsBm.bmBitsPixel);
    if (palette == nullptr && depthClass <= 8) {
        palette = static_cast<win::HPALETTE>(win::GetStockObject(win::DEFAULT_PALETTE));
    }
    int32_t status = AllocImage(image, ds.dsBm.bmWidth, ds.dsBm.bmHeight, depthClass);
    if (status != IMG_OK) return status;
    if (palette != nullptr && image->palette != nullptr) {
        std::vector<win::PALETTEENTRY> entries(256);
        const win::UINT n = win::GetPaletteEntries(palette, 0, 256, entries.data());
        const int32_t kept =
            std::min<int32_t>(static_cast<int32_t>(n), 1 << image->header->biBitCount);
        for (int32_t i = 0; i < kept; ++i)
            image->palette[i] = Quad(entries[static_cast<std::size_t>(i)]);
        if (kept > 0) image->colorCount = kept;
    }
    win::HDC screen = win::GetDC(nullptr);
    win::HPALETTE previous =
        palette != nullptr ? win::SelectPalette(screen, palette, win::FALSE) : nullptr;
    if (palette != nullptr) win::RealizePalette(screen);
    image->flags = 0;
    if (win::GetDIBits(screen, bitmap, 0, static_cast<win::UINT>(image->header->biHeight),
                       image->bits, reinterpret_cast<win::BITMAPINFO*>(image->header),
                       win::DIB_RGB_COLORS) == 0) {
        status = IMG_NO_MEMORY;
    }
    if (palette != nullptr) {
        win::SelectPalette(screen, previous, win::TRUE);
        win::RealizePalette(screen);
    }
    win::ReleaseDC(nullptr, screen);
    if (status != IMG_OK) {
        FreeImage(image);
    } else if (image->dibSection != nullptr) {
        (void)SetDibSectionPalette(image);
    }
    return status;
}

int32_t CaptureScreenArea(const win::RECT* area, ImageDesc* image) {
    if (area == nullptr || image == nullptr) return IMG_BAD_ARGUMENT;
    win::HDC display = win::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (display == nullptr) return IMG_NO_MEMORY;
    win::RECT r = *area;
    r.left = std::max<win::LONG>(r.left, 0);
    r.top = std::max<win::LONG>(r.top, 0);
    r.right = std::min<win::LONG>(r.right, win::GetDeviceCaps(display, win::HORZRES));
    r.bottom = std::min<win::LONG>(r.bottom, win::GetDeviceCaps(display, win::VERTRES));
    const int width = static_cast<int>(r.right - r.left);
    const int height = static_cast<int>(r.bottom - r.top);
    win::HBITMAP bitmap =
        width > 0 && height > 0 ? win::CreateCompatibleBitmap(display, width, height) : nullptr;
    win::HDC memory = win::CreateCompatibleDC(display);
    if (bitmap == nullptr || memory == nullptr) {
        if (bitmap != nullptr) win::DeleteObject(bitmap);
        if (memory != nullptr) win::DeleteDC(memory);
        win::DeleteDC(display);
        return IMG_NO_MEMORY;
    }
    win::HGDIOBJ old = win::SelectObject(memory, bitmap);
    win::BitBlt(memory, 0, 0, width, height, display, static_cast<int>(r.left),
                static_cast<int>(r.top), win::SRCCOPY);
    win::SelectObject(memory, old);
    win::DeleteDC(memory);

    win::BITMAP info;
    win::GetObjectA(bitmap, sizeof info, &info);
    const int32_t depthClass = DepthClass(info.bmPlanes * info.bmBitsPixel);
    int32_t status = AllocImage(image, width, height, depthClass);
    win::HPALETTE made = nullptr;
    win::HPALETTE previous = nullptr;
    if (status == IMG_OK && depthClass < 24) {
        // Read through the screen's own colours.
        const int n = 1 << depthClass;
        std::vector<win::PALETTEENTRY> entries(static_cast<std::size_t>(n));
        win::GetSystemPaletteEntries(display, 0, static_cast<win::UINT>(n), entries.data());
        for (int i = 0; i < n && i < (1 << image->header->biBitCount); ++i)
            image->palette[i] = Quad(entries[static_cast<std::size_t>(i)]);
        made = MakePalette(entries.data(), n);
        if (made != nullptr) {
            previous = win::SelectPalette(display, made, win::FALSE);
            win::RealizePalette(display);
        }
        image->flags = 0;
    }
    if (status == IMG_OK &&
        win::GetDIBits(display, bitmap, 0, static_cast<win::UINT>(height), image->bits,
                       reinterpret_cast<win::BITMAPINFO*>(image->header),
                       win::DIB_RGB_COLORS) == 0) {
        FreeImage(image);
        status = IMG_NO_MEMORY;
    }
    if (status == IMG_OK && image->dibSection != nullptr) (void)SetDibSectionPalette(image);
    if (made != nullptr) {
        win::SelectPalette(display, previous, win::TRUE);
        win::RealizePalette(display);
        win::DeleteObject(made);
    }
    win::DeleteObject(bitmap);
    win::DeleteDC(display);
    return status;
}

int32_t CaptureWindow(win::HWND window, ImageDesc* image) {
    win::RECT r{};
    if (!win::GetWindowRect(window, &r)) return IMG_BAD_ARGUMENT;
    return CaptureScreenArea(&r, image);
}

int32_t CaptureClientArea(win::HWND window, ImageDesc* image) {
    win::RECT r{};
    if (!win::GetClientRect(window, &r)) return IMG_BAD_ARGUMENT;
    win::POINT topLeft{r.left, r.top};
    win::POINT bottomRight{r.right, r.bottom};
    win::ClientToScreen(window, &topLeft);
    win::ClientToScreen(window, &bottomRight);
    const win::RECT screen{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    return CaptureScreenArea(&screen, image);
}
