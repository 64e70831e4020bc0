// Packed DIBs for the clipboard, logical palettes, and device bitmaps made
// from packed DIBs.
#include "imaging/bridges/dib_bridges.h"

#include <algorithm>
#include <vector>

#include "common/byte_io.h"
#include "imaging/bridges/image_copies.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "platform/system/clipboard.h"
#include "platform/window/rect.h"

int32_t PackImageAsDib(ImageDesc* image, void** block) {
    if (block == nullptr) return IMG_BAD_ARGUMENT;
    *block = nullptr;
    int32_t status = CheckImagePair(image);
    if (status != IMG_OK) return status;
    ImageDesc packed;
    status =
        AllocImageGlobal(&packed, RectWidth(*image), RectHeight(*image), image->header->biBitCount);
    if (status != IMG_OK) return status;
    status = CopyImageRect(image, &packed);
    if (status != IMG_OK) {
        FreeImage(&packed);
        return status;
    }
    // The new image's header block is the packed DIB.
    *block = packed.header;
    return IMG_OK;
}

int32_t CopyImageToClipboard(win::HWND window, ImageDesc* image) {
    // The working rectangle is inclusive: a picture one pixel wide is not empty.
    const win::RECT rect{image->startX, image->startY, image->endX + 1, image->endY + 1};
    if (win::IsRectEmpty(&rect)) return 1;
    if (!win::OpenClipboard(window)) return 0;
    void* dib = nullptr;
    if (!win::EmptyClipboard() || PackImageAsDib(image, &dib) != IMG_OK) {
        win::CloseClipboard();
        return 0;  // nothing was put on the clipboard
    }
    win::HGLOBAL handle = win::GlobalHandle(dib);
    win::GlobalUnlock(handle);
    if (win::SetClipboardData(win::CF_DIB, handle) == nullptr) {
        win::GlobalFree(handle);
    } else {
        win::HPALETTE palette = nullptr;
        if (CreateImagePalette(image, &palette) == IMG_OK && palette != nullptr) {
            win::SetClipboardData(win::CF_PALETTE, palette);
        }
    }
    return win::CloseClipboard();
}

int32_t CreateImagePalette(ImageDesc* image, win::HPALETTE* palette) {
    if (palette == nullptr || image == nullptr || image->header == nullptr) return IMG_BAD_ARGUMENT;
    *palette = nullptr;
    if (image->colorCount == 0) InitImagePalette(image);
    if (image->colorCount <= 0 || image->palette == nullptr) return IMG_OK;
    const int32_t n = std::min(image->colorCount, 256);
    std::vector<uint8_t> memory(sizeof(win::LOGPALETTE) +
                                sizeof(win::PALETTEENTRY) * static_cast<std::size_t>(n));
    auto* logical = reinterpret_cast<win::LOGPALETTE*>(memory.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = static_cast<win::WORD>(n);
    for (int32_t i = 0; i < n; ++i) {
        const win::RGBQUAD& q = image->palette[i];
        logical->palPalEntry[i] = win::PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
    }
    *palette = win::CreatePalette(logical);
    return *palette != nullptr ? IMG_OK : IMG_NO_MEMORY;
}

int32_t CreateDdbFromDib(win::HDC dc, const void* packedDib, win::HBITMAP* bitmap) {
    if (bitmap == nullptr) return IMG_BAD_ARGUMENT;
    *bitmap = nullptr;
    const std::size_t available = ReadableBytesAt(packedDib);
    if (available < 40) return IMG_BAD_SOURCE;
    const auto* bytes = static_cast<const uint8_t*>(packedDib);
    const uint32_t size = bytes::GetU32(bytes);
    const int32_t bits = bytes::GetU16(bytes + 14);
    const uint32_t compression = bytes::GetU32(bytes + 16);
    const uint32_t used = bytes::GetU32(bytes + 32);
    const uint64_t colours = used != 0   ? used
                             : bits < 16 ? uint64_t{1} << std::clamp(bits, 0, 15)
                                         : 0;
    const uint64_t offset = uint64_t{size} + (compression == win::BI_BITFIELDS ? 12 : 4 * colours);
    if (size < 40 || offset > available) return IMG_BAD_ARGUMENT;
    const auto* header = static_cast<const win::BITMAPINFOHEADER*>(packedDib);
    *bitmap =
        win::CreateDIBitmap(dc, header, win::CBM_INIT, bytes + offset,
                            static_cast<const win::BITMAPINFO*>(packedDib), win::DIB_RGB_COLORS);
    return *bitmap != nullptr ? IMG_OK : IMG_NO_MEMORY;
}
