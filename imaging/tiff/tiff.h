// TIFF files: the writer of pages (new, appended or in memory) in eight
// codings, and the reader of pages of both byte orders with its queries.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Options of the compression argument; the selector is what remains (0..7):
// 0 none, 1 LZW, 2 PackBits, 3 CCITT modified Huffman, 4 CCITT T.6,
// 5 CCITT T.4, 6 one JPEG stream, 7 JPEG strips with JPEGTables.
inline constexpr uint32_t TIFF_OPT_ONE_STRIP = 0x10;
inline constexpr uint32_t TIFF_OPT_FILL_LSB = 0x20;
inline constexpr uint32_t TIFF_OPT_NO_BACKUP = 0x40;

// ---- Writing ------------------------------------------------------------------------
[[nodiscard]] int32_t SaveTif(const char* fileName, ImageDesc* image, uint32_t compression);
[[nodiscard]] int32_t SaveTifW(const char16_t* fileName, ImageDesc* image, uint32_t compression);
// A page number of 0 or more appends to an existing TIFF file (or starts one).
[[nodiscard]] int32_t SaveTifPage(const char* fileName, ImageDesc* image, uint32_t compression,
                                  int32_t page);
[[nodiscard]] int32_t SaveTifPageW(const char16_t* fileName, ImageDesc* image, uint32_t compression,
                                   int32_t page);
[[nodiscard]] int32_t SaveTifToMemory(void** block, ImageDesc* image, uint32_t compression);
[[nodiscard]] int32_t SaveTifCore(void** block, uint32_t compression, const char16_t* wideName,
                                  const char* ansiName, ImageDesc* image, int32_t page);
// The next page's resolution: unit 1..3, x and y below 32768.
void SetTiffResolution(uint32_t x, uint32_t y, uint32_t unit);
// Caller blocks kept for the next writes (length 1..32767); only their sizes
// widen the gap before the strips.
[[nodiscard]] int32_t SetTiffExtraBlocks(const void* first, int32_t firstLength, const void* second,
                                         int32_t secondLength);

// Byte helpers, in place.
void SwapRgbBytes(uint8_t* pixels, uint32_t count);
void SwapBytes16(uint8_t* data, uint32_t bytes);
void SwapBytes32(uint8_t* data, uint32_t bytes);
void InvertBytes(uint8_t* data, uint32_t bytes);
void ReverseBitsInBytes(uint8_t* data, uint32_t bytes);

// ---- Reading ------------------------------------------------------------------------
struct TiffInfo {
    int32_t byteOrder;  // 0x4949 Intel, 0x4D4D Motorola
    int32_t width;
    int32_t height;
    int32_t bitsPerSample;
    int32_t compression;
    int32_t samplesPerPixel;
    int32_t photometric;
    int32_t planar;
    int32_t bitsPerPixel;  // bits per sample, or 24 for three samples or more
    // Behind the nine words.
    int32_t xResolution;
    int32_t yResolution;
    int32_t resolutionUnit;
    int32_t fillOrder;
    int32_t rowsPerStrip;
    int32_t orientation;
};

// Page choice of the cores: by PageNumber value, by index from 0, or the
// first page (-1).
[[nodiscard]] int32_t LoadTifCore(ImageDesc* alpha, const char* ansiName, const char16_t* wideName,
                                  const void* block, ImageDesc* image, int32_t page,
                                  int32_t byIndex);
[[nodiscard]] int32_t LoadTif(const char* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadTifW(const char16_t* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadTifAlpha(const char* fileName, ImageDesc* image, ImageDesc* alpha);
[[nodiscard]] int32_t LoadTifPage(const char* fileName, ImageDesc* image, int32_t page);
[[nodiscard]] int32_t LoadTifPageIndex(const char* fileName, ImageDesc* image, int32_t index);
[[nodiscard]] int32_t LoadTifFromMemory(const void* block, ImageDesc* image);
[[nodiscard]] int32_t LoadTifFromMemoryIndex(const void* block, ImageDesc* image, int32_t index);
[[nodiscard]] int32_t LoadTifFromMemoryAlpha(const void* block, ImageDesc* image, int32_t index,
                                             ImageDesc* alpha);

[[nodiscard]] int32_t GetTiffInfoCore(const char* ansiName, const char16_t* wideName,
                                      const void* block, TiffInfo* info, int32_t page,
                                      int32_t byIndex);
[[nodiscard]] int32_t GetTiffInfo(const char* fileName, TiffInfo* info);
[[nodiscard]] int32_t GetTiffInfoW(const char16_t* fileName, TiffInfo* info);
[[nodiscard]] int32_t GetTiffInfoPage(const char* fileName, TiffInfo* info, int32_t page);
[[nodiscard]] int32_t GetTiffInfoIndex(const char* fileName, TiffInfo* info, int32_t index);
[[nodiscard]] int32_t GetTiffInfoMemory(const void* block, TiffInfo* info);
[[nodiscard]] int32_t GetTiffInfoMemoryIndex(const void* block, TiffInfo* info, int32_t index);
[[nodiscard]] int32_t GetTiffResolution(const char* fileName, int32_t* x, int32_t* y,
                                        int32_t* unit);
// The number of pages; `list` receives up to `listLength` page numbers.
[[nodiscard]] int32_t GetTiffPageCount(const char* fileName, int32_t* count, int32_t* list,
                                       int32_t listLength);
[[nodiscard]] int32_t GetTiffPageCountMemory(const void* block, int32_t* count, int32_t* list,
                                             int32_t listLength);
// 0 when the page index exists, else IMG_NO_SUCH_PAGE (or the fault found).
[[nodiscard]] int32_t CheckTiffPage(const char* fileName, int32_t index);
// Colours read from the ColorMap, 0 without one, or a negative status.
[[nodiscard]] int32_t GetTiffPalette(const char* fileName, win::RGBQUAD* palette);
// The 12-byte entry of `tag` in page `index` (host order), zeros on failure.
[[nodiscard]] int32_t GetTiffTagEntry(const char* fileName, uint16_t tag, int32_t index,
                                      uint8_t entry[12]);
[[nodiscard]] int32_t GetTiffTagEntryMemory(const void* block, uint16_t tag, int32_t index,
                                            uint8_t entry[12]);
[[nodiscard]] int32_t GetTiffJpegOffset(const char* fileName, uint32_t* offset, int32_t index);
