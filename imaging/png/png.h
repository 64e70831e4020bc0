// PNG files: the writer (1-, 8- and 24-bit images; optional Adam7 and a row
// filter mode chosen by the option word) and the reader of all 15 colour type
// and depth pairs, with its header, palette, text and resolution queries.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Option word of the saves: bit 0 Adam7; option AND 14 the filter mode
// (0 adaptive, 2 None, 4 Sub, 6 Up, 8 Average, 10 Paeth); above 11 None.
[[nodiscard]] int32_t SavePng(const char* fileName, ImageDesc* image, uint32_t option);
[[nodiscard]] int32_t SavePngW(const char16_t* fileName, ImageDesc* image, uint32_t option);
[[nodiscard]] int32_t SavePngToMemory(void** block, ImageDesc* image, uint32_t option);
[[nodiscard]] int32_t SavePngEx(const char* fileName, ImageDesc* image, uint32_t option,
                                uint32_t transparent, const void* value);
[[nodiscard]] int32_t SavePngExW(const char16_t* fileName, ImageDesc* image, uint32_t option,
                                 uint32_t transparent, const void* value);
[[nodiscard]] int32_t SavePngExToMemory(void** block, ImageDesc* image, uint32_t option,
                                        uint32_t transparent, const void* value);
void SetPngResolution(uint32_t xPerUnit, uint32_t yPerUnit, uint32_t unit);
[[nodiscard]] int32_t GetPngErrorDetail();

struct PngInfo {
    uint32_t width;
    uint32_t height;
    uint32_t bitDepth;
    uint32_t imageDepth;
    uint32_t colorType;
    uint32_t interlaced;
    uint32_t format;
    uint32_t channels;
    uint32_t bitsPerPixel;
    uint32_t rowBytes;
    uint32_t hasTransparency;
    uint8_t transparency[8];
    uint32_t transparencyBytes;
    uint32_t hasBackground;
    uint8_t background[8];
    uint32_t backgroundBytes;
    uint32_t gamma;
    uint32_t xPerUnit;
    uint32_t yPerUnit;
    uint32_t unit;
    uint8_t significantBits[4];
    uint32_t xOffset;
    uint32_t yOffset;
    uint32_t offsetUnit;
};

[[nodiscard]] int32_t GetPngInfo(const char* fileName, PngInfo* info);
[[nodiscard]] int32_t GetPngInfoW(const char16_t* fileName, PngInfo* info);
[[nodiscard]] int32_t GetPngInfoFromMemory(const void* block, PngInfo* info);
[[nodiscard]] int32_t LoadPng(const char* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadPngW(const char16_t* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadPngFromMemory(const void* block, ImageDesc* image);
// Entries read into room for 256 RGBQUADs (0 for a file without a palette),
// or a negative status.
[[nodiscard]] int32_t GetPngPalette(const char* fileName, win::RGBQUAD* table);
[[nodiscard]] int32_t GetPngPaletteW(const char16_t* fileName, win::RGBQUAD* table);
[[nodiscard]] int32_t GetPngPaletteFromMemory(const void* block, win::RGBQUAD* table);
// No buffer: the text's length + 1, or 0 without such a text. With a buffer:
// a status; at most size - 1 characters and a NUL are stored.
[[nodiscard]] int32_t GetPngText(const char* fileName, const char* keyword, char* buffer,
                                 uint32_t size);
[[nodiscard]] int32_t GetPngTextW(const char16_t* fileName, const char* keyword, char* buffer,
                                  uint32_t size);
[[nodiscard]] int32_t GetPngResolution(const char* fileName, uint32_t* x, uint32_t* y,
                                       uint32_t* unit);
[[nodiscard]] int32_t GetPngResolutionW(const char16_t* fileName, uint32_t* x, uint32_t* y,
                                        uint32_t* unit);
