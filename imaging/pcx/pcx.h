// PCX files: a 128-byte header, run-length encoded scan lines and, for 256
// colours, a 769-byte palette behind them.
//
// The writer takes 1- and 8-bit images. The reader takes 1-bit, 4-bit (one
// plane of nibbles or four planes of one bit), 8-bit and 24-bit (three planes)
// files into an image the caller allocated with the depth GetPcxInfo gives.
// PCX works on named files only and takes no lock.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// What GetPcxInfo reports, in this order.
struct PcxInfo {
    int32_t version = 0;
    int32_t width = 0;   // xmax - xmin + 1
    int32_t height = 0;  // ymax - ymin + 1
    int32_t bitsPerPixel = 0;
    int32_t planes = 0;
    int32_t bytesPerLine = 0;
    int32_t paletteInfo = 0;
    int32_t imageDepth = 0;  // the depth of the image that holds the file
};

[[nodiscard]] int32_t SavePcx(const char* fileName, ImageDesc* image);
[[nodiscard]] int32_t SavePcxW(const char16_t* fileName, ImageDesc* image);

[[nodiscard]] int32_t LoadPcx(const char* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadPcxW(const char16_t* fileName, ImageDesc* image);

[[nodiscard]] int32_t GetPcxInfo(const char* fileName, PcxInfo* info);
[[nodiscard]] int32_t GetPcxInfoW(const char16_t* fileName, PcxInfo* info);

// The file's colour table: the number of entries, 0 for a file without one,
// or a negative status.
[[nodiscard]] int32_t GetPcxPalette(const char* fileName, win::RGBQUAD* table);
[[nodiscard]] int32_t GetPcxPaletteW(const char16_t* fileName, win::RGBQUAD* table);
