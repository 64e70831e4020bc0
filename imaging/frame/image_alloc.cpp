// Allocation and release of images, descriptor helpers and colour tables.
//
// The header block is one movable, zero-initialised global block, locked for
// the image's lifetime: the 40-byte BITMAPINFOHEADER, 2^bits RGBQUAD entries
// below 16 bits, then (global-memory images only) the pixel rows. A DIB-section
// image keeps its rows in the section.
#include "imaging/frame/image_alloc.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "imaging/image_records.h"
#include "platform/system/clipboard.h"
#include "platform/window/window.h"

namespace {

constexpr int64_t kHeaderBytes = 40;

int64_t StrideFor(int64_t width, int64_t bits) {
    return (width * bits + 31) / 32 * 4;
}

bool IsAllocatableDepth(int32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Frees the header block behind a locked pointer.
void FreeHeaderBlock(void* header) {
    win::HGLOBAL block = win::GlobalHandle(header);
    if (block == nullptr) return;
    win::GlobalUnlock(block);
    win::GlobalFree(block);
}

int32_t AllocImageCore(ImageDesc* image, int32_t width, int32_t height, int32_t bits,
                       bool dibSection) {
    if (image == nullptr) return IMG_BAD_ARGUMENT;
    ZeroImageDesc(image);
    if (!IsAllocatableDepth(bits)) return IMG_BAD_BIT_DEPTH;
    if (bits == 4) bits = 8;
    if (width <= 0 || height <= 0) return IMG_BAD_ARGUMENT;

    const int64_t colours = bits < 16 ? int64_t{1} << bits : 0;
    const int64_t stride = StrideFor(width, bits);
    int64_t blockBytes = kHeaderBytes + 4 * colours;
    if (!dibSection) {
        if (stride > (INT64_MAX - blockBytes) / height) return IMG_NO_MEMORY;
        blockBytes += stride * height;
    }
    win::HGLOBAL block = win::GlobalAlloc(win::GHND, static_cast<std::size_t>(blockBytes));
    if (block == nullptr) return IMG_NO_MEMORY;
    auto* bytes = static_cast<uint8_t*>(win::GlobalLock(block));
    if (bytes == nullptr) {
        win::GlobalFree(block);
        return IMG_NO_MEMORY;
    }

    auto* header = new (bytes) win::BITMAPINFOHEADER;
    header->biSize = 40;
    header->biWidth = width;
    header->biHeight = height;
    header->biPlanes = 1;
    header->biBitCount = static_cast<win::WORD>(bits);
    header->biCompression = win::BI_RGB;
    header->biSizeImage = static_cast<win::DWORD>(stride * height);
    header->biClrUsed = header->biClrImportant = static_cast<win::DWORD>(colours);
    image->header = header;
    image->palette = reinterpret_cast<win::RGBQUAD*>(bytes + kHeaderBytes);
    image->colorCount = static_cast<int32_t>(colours);

    if (dibSection) {
        win::HWND desktop = win::GetDesktopWindow();
        win::HDC screen = win::GetDC(desktop);
        void* pixels = nullptr;
        image->dibSection =
            win::CreateDIBSection(screen, reinterpret_cast<const win::BITMAPINFO*>(header),
                                  win::DIB_RGB_COLORS, &pixels, nullptr, 0);
        win::ReleaseDC(desktop, screen);
        if (image->dibSection == nullptr || pixels == nullptr) {
            if (image->dibSection != nullptr) win::DeleteObject(image->dibSection);
            FreeHeaderBlock(bytes);
            ZeroImageDesc(image);
            return IMG_NO_MEMORY;
        }
        image->bits = static_cast<uint8_t*>(pixels);
    } else {
        image->bits = bytes + kHeaderBytes + 4 * colours;
    }
    image->stride = static_cast<uint32_t>(stride);
    SetImageRect(image, 0, 0, width - 1, height - 1);
    InitImagePalette(image);
    return IMG_OK;
}

}  // namespace

int32_t AllocImage(ImageDesc* image, int32_t width, int32_t height, int32_t bits) {
    if (imageLibSystem.probed == 0) ProbeOsVersion();
    return AllocImageCore(image, width, height, bits, imageLibSystem.useDibSections != 0);
}

int32_t AllocImageGlobal(ImageDesc* image, int32_t width, int32_t height, int32_t bits) {
    return AllocImageCore(image, width, height, bits, false);
}

int32_t FreeImage(ImageDesc* image) {
    if (image == nullptr || image->header == nullptr) return 0;
    // Only a header that starts a live block holding the whole image is ours
    // to free; anything else is left as it is.
    win::HGLOBAL block = win::GlobalHandle(image->header);
    if (block == nullptr) return 0;
    const std::size_t size = win::GlobalSize(block);
    if (size < kHeaderBytes) return 0;
    uint64_t need =
        kHeaderBytes + 4 * static_cast<uint64_t>(std::max(0, PaletteColorCount(image->header)));
    if (image->dibSection == nullptr) need += image->header->biSizeImage;
    if (size < need) return 0;
    if (image->dibSection != nullptr) win::DeleteObject(image->dibSection);
    win::GlobalUnlock(block);
    win::GlobalFree(block);
    ZeroImageDesc(image);
    return 0;
}

int32_t ImageFromPackedDib(void* packedDib, ImageDesc* image) {
    if (image == nullptr || packedDib == nullptr) return IMG_BAD_ARGUMENT;
    // The descriptor will point into the block: header, table and rows must
    // all lie inside it.
    const std::size_t available = ReadableBytesAt(packedDib);
    if (available < kHeaderBytes) return IMG_BAD_ARGUMENT;
    auto* header = static_cast<win::BITMAPINFOHEADER*>(packedDib);
    const int32_t bits = header->biBitCount;
    if (bits == 4) return IMG_BAD_BIT_DEPTH;
    if (header->biCompression != win::BI_RGB) return IMG_COMPRESSED_DIB;
    // A top-down DIB cannot be described: rows are bottom-up in every image.
    if (header->biWidth <= 0 || header->biHeight <= 0 || bits <= 0 || bits > 32 ||
        header->biSize < kHeaderBytes) {
        return IMG_BAD_ARGUMENT;
    }
    int64_t colours = PaletteColorCount(header);
    if (bits < 16) colours = std::min<int64_t>(colours, int64_t{1} << bits);
    const int64_t stride = StrideFor(header->biWidth, bits);
    const uint64_t tableEnd = header->biSize + 4 * static_cast<uint64_t>(colours);
    if (tableEnd + static_cast<uint64_t>(stride) * static_cast<uint64_t>(header->biHeight) >
        available) {
        return IMG_BAD_ARGUMENT;
    }
    ZeroImageDesc(image);
    auto* bytes = static_cast<uint8_t*>(packedDib);
    image->header = header;
    image->palette = reinterpret_cast<win::RGBQUAD*>(bytes + header->biSize);
    image->colorCount = static_cast<int32_t>(colours);
    image->bits = bytes + tableEnd;
    image->stride = static_cast<uint32_t>(stride);
    SetImageRect(image, 0, 0, header->biWidth - 1, header->biHeight - 1);
    return IMG_OK;
}

void ZeroImageDesc(ImageDesc* image) {
    if (image != nullptr) *image = ImageDesc{};
}

void CopyImageDesc(const ImageDesc* from, ImageDesc* to) {
    if (from != nullptr && to != nullptr) *to = *from;
}

void GetImageRect(const ImageDesc* image, int32_t rect[4]) {
    rect[0] = image->startX;
    rect[1] = image->startY;
    rect[2] = image->endX;
    rect[3] = image->endY;
}

void SetImageRectFromArray(const int32_t rect[4], ImageDesc* image) {
    SetImageRect(image, rect[0], rect[1], rect[2], rect[3]);
}

void SetImageRect(ImageDesc* image, int32_t startX, int32_t startY, int32_t endX, int32_t endY) {
    image->startX = startX;
    image->startY = startY;
    image->endX = endX;
    image->endY = endY;
}

void ClipImageArea(const ImageDesc* first, const ImageDesc* second, int32_t* rows,
                   int32_t* columns) {
    *columns = std::min(RectWidth(*first), RectWidth(*second));
    *rows = std::min(RectHeight(*first), RectHeight(*second));
}

int32_t GreyStep(int32_t bits) {
    static constexpr int32_t kSteps[] = {255, 255, 85, 36, 17, 8, 4, 2, 1};
    return bits >= 1 && bits <= 8 ? kSteps[bits] : 1;
}

int32_t PaletteColorCount(const win::BITMAPINFOHEADER* header) {
    if (header == nullptr) return 0;
    if (header->biClrUsed != 0)
        return static_cast<int32_t>(std::min<win::DWORD>(header->biClrUsed, 0x7FFFFFFF));
    return header->biBitCount < 16 ? 1 << header->biBitCount : 0;
}

void InitImagePalette(ImageDesc* image) {
    const int32_t bits = image->header->biBitCount;
    if (bits == 16 || bits == 32) {
        image->flags = IMG_FLAG_GREY;
        return;
    }
    if (bits > 8 || image->palette == nullptr) return;
    const int32_t entries = 1 << bits;
    const int32_t step = GreyStep(bits);
    for (int32_t i = 0; i < entries; ++i) {
        auto level = static_cast<win::BYTE>(std::min(255, i * step));
        image->palette[i] = win::RGBQUAD{level, level, level, 0};
    }
    image->colorCount = entries;
    image->flags |= IMG_FLAG_GREY;
    if (image->dibSection != nullptr) (void)SetDibSectionPalette(image);
}

int32_t IsGreyPalette(const ImageDesc* image) {
    const int32_t bits = image->header != nullptr ? image->header->biBitCount : 0;
    if (bits == 16 && image->flags == IMG_FLAG_GREY) return 1;
    if (image->palette == nullptr || bits > 16 || image->colorCount <= 0) return 0;
    const int32_t step = GreyStep(bits);
    const int32_t count = bits < 16 ? std::min(image->colorCount, 1 << bits) : image->colorCount;
    for (int32_t i = 0; i < count; ++i) {
        const win::RGBQUAD& e = image->palette[i];
        if (e.rgbRed != e.rgbGreen || e.rgbRed != e.rgbBlue) return 0;
        if (e.rgbRed != i * step) return 0;
    }
    return 1;
}

int32_t SetDibSectionPalette(ImageDesc* image) {
    if (image->dibSection == nullptr || image->colorCount == 0) return IMG_OK;
    win::HWND desktop = win::GetDesktopWindow();
    win::HDC screen = win::GetDC(desktop);
    win::HDC memory = win::CreateCompatibleDC(screen);
    win::ReleaseDC(desktop, screen);
    if (memory == nullptr) return IMG_NO_MEMORY;
    win::HGDIOBJ old = win::SelectObject(memory, image->dibSection);
    win::SetDIBColorTable(memory, 0, static_cast<win::UINT>(image->colorCount), image->palette);
    win::SelectObject(memory, old);
    win::DeleteDC(memory);
    return IMG_OK;
}
