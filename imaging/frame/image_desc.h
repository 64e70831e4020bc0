// The image descriptor every operation of the image library works on, and the
// status codes every entry point returns.
//
// An image is a device-independent bitmap: a BITMAPINFOHEADER and its colour
// table in one locked global-memory block, and pixel rows stored bottom-up,
// each padded to a multiple of 4 bytes (the last row in memory is the
// picture's top row). Operations read and write only the working rectangle
// (startX, startY) - (endX, endY), inclusive, counted from the picture's top.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi.h"

struct ImageDesc {
    uint8_t* bits = nullptr;  // first byte of the pixel rows
    int32_t startX = 0;       // working rectangle, inclusive
    int32_t startY = 0;
    int32_t endX = 0;
    int32_t endY = 0;
    uint32_t stride = 0;                      // bytes per row: ((width x bits + 31) / 32) x 4
    win::RGBQUAD* palette = nullptr;          // colour table, directly behind the header
    int32_t colorCount = 0;                   // entries in use (0 for 16, 24 and 32 bits)
    uint32_t flags = 0;                       // IMG_FLAG_GREY
    win::BITMAPINFOHEADER* header = nullptr;  // the locked header block
    win::HBITMAP dibSection = nullptr;        // the section holding the pixels, or null
};

// The colour table is the grey ramp of the image's depth.
inline constexpr uint32_t IMG_FLAG_GREY = 1;

// Status codes: 0 for success, a negative value for each kind of failure.
inline constexpr int32_t IMG_OK = 0;
inline constexpr int32_t IMG_BAD_ARGUMENT = -1;
inline constexpr int32_t IMG_IO_ERROR = -3;
inline constexpr int32_t IMG_NOT_THIS_FORMAT = -4;
inline constexpr int32_t IMG_OUT_OF_RANGE = -5;
inline constexpr int32_t IMG_BAD_TIFF = -6;
inline constexpr int32_t IMG_BAD_RLE = -9;
inline constexpr int32_t IMG_CANNOT_CREATE = -10;
inline constexpr int32_t IMG_COMPRESSED_DIB = -12;
inline constexpr int32_t IMG_NO_MEMORY = -14;
inline constexpr int32_t IMG_PRINT_ABORTED = -15;
inline constexpr int32_t IMG_NOT_PCX = -16;
inline constexpr int32_t IMG_STARTDOC_FAILED = -18;
inline constexpr int32_t IMG_BAD_BIT_DEPTH = -26;
inline constexpr int32_t IMG_NO_BITMAP_DATA = -27;
inline constexpr int32_t IMG_UNREADABLE = -42;
inline constexpr int32_t IMG_JPEG_ERROR = -43;
inline constexpr int32_t IMG_TIFF_CODING_OVERFLOW = -44;
inline constexpr int32_t IMG_NO_SUCH_PAGE = -51;
inline constexpr int32_t IMG_BAD_SOURCE = -52;
inline constexpr int32_t IMG_CODED_DATA_ERROR = -62;
inline constexpr int32_t IMG_PNG_ERROR = -63;
inline constexpr int32_t IMG_DEFLATE_ERROR = -64;
inline constexpr int32_t IMG_NOT_A_BITMAP = -68;
inline constexpr int32_t IMG_TIFF_BIG_ENDIAN = -69;
inline constexpr int32_t IMG_JPEG_THUMB_TOO_LARGE = -70;
inline constexpr int32_t IMG_TOO_LARGE = -73;

// Sides of the working rectangle, and the picture's own.
[[nodiscard]] inline int32_t RectWidth(const ImageDesc& image) {
    return image.endX - image.startX + 1;
}
[[nodiscard]] inline int32_t RectHeight(const ImageDesc& image) {
    return image.endY - image.startY + 1;
}
// The row of picture line y (0 = the picture's top row).
[[nodiscard]] inline uint8_t* ImageRow(const ImageDesc& image, int32_t y) {
    return image.bits + static_cast<int64_t>(image.header->biHeight - 1 - y) * image.stride;
}
