// Windows bitmap files (BITMAPFILEHEADER, BITMAPINFOHEADER or the OS/2 core
// header, colour table, rows; BI_RGB, BI_RLE4, BI_RLE8, BI_BITFIELDS).
//
// The writer takes 1-, 8- and 24-bit images, run-length encoded on request
// (8-bit only). The reader fills an image the caller allocated (1, 8 or 24
// bits): 4-bit files go into 8-bit images, 16- and 32-bit files into 24-bit
// ones. Every operation has an ANSI-name, a UTF-16-name and a memory form and
// runs under the BMP lock.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Writes the working rectangle; runLength non-zero asks for BI_RLE8.
[[nodiscard]] int32_t SaveBmp(const char* fileName, ImageDesc* image, int32_t runLength);
[[nodiscard]] int32_t SaveBmpW(const char16_t* fileName, ImageDesc* image, int32_t runLength);
// `block` receives a new locked global block holding the whole file; the
// caller unlocks and frees it.
[[nodiscard]] int32_t SaveBmpToMemory(void** block, ImageDesc* image, int32_t runLength);

[[nodiscard]] int32_t LoadBmp(const char* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadBmpW(const char16_t* fileName, ImageDesc* image);
// `block` must start a live global block; reads stay inside it.
[[nodiscard]] int32_t LoadBmpFromMemory(const void* block, ImageDesc* image);

// The normalised header: positive height, colour counts and image size filled in.
[[nodiscard]] int32_t GetBmpHeader(const char* fileName, win::BITMAPINFOHEADER* header);
[[nodiscard]] int32_t GetBmpHeaderW(const char16_t* fileName, win::BITMAPINFOHEADER* header);
[[nodiscard]] int32_t GetBmpHeaderFromMemory(const void* block, win::BITMAPINFOHEADER* header);

// The colour table (up to 256 entries): the number of entries, 0 for files of
// 16 bits and more, or a negative status.
[[nodiscard]] int32_t GetBmpPalette(const char* fileName, win::RGBQUAD* table);
[[nodiscard]] int32_t GetBmpPaletteW(const char16_t* fileName, win::RGBQUAD* table);
[[nodiscard]] int32_t GetBmpPaletteFromMemory(const void* block, win::RGBQUAD* table);
