// Copies between images, fixed colour tables and per-channel table remaps.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Copies the source's working rectangle onto the result's (common area, each
// anchored at its own top-left; overlapping rectangles of one image copy
// correctly), then the colour table.
[[nodiscard]] int32_t CopyImageRect(ImageDesc* source, ImageDesc* result);
[[nodiscard]] int32_t CopyImageRectOnly(ImageDesc* source, ImageDesc* result);
[[nodiscard]] int32_t CopyImagePaletteOnly(ImageDesc* source, ImageDesc* result);
// Copies min(result's table size, source's colorCount) entries and the grey flag.
void CopyImageAttributes(const ImageDesc* source, ImageDesc* result);

// Fixed colour tables for 8-bit images: the number of entries written, 0 when
// the image is not 8-bit or has no table. Mode 0 the 20 stock colours, 1 the
// 16 VGA colours (stock entries 0-7 and 12-19), 2 and above the halftone palette.
int32_t FillStockPalette(int32_t mode, ImageDesc* image);
int32_t FillSystemPalette16(ImageDesc* image);
int32_t FillHalftonePalette(ImageDesc* image);
// Stock entries 0-9, a 6 x 6 x 6 cube (red slowest, each channel 255 down to
// 0 in steps of 51), greys 16 to 244 in steps of 12, stock entries 10-19.
int32_t FillColorCubePalette(ImageDesc* image);
// Straight-line colour ramps between control points of 4 bytes each: palette
// index, red, green, blue.
[[nodiscard]] int32_t SetPaletteRamp(ImageDesc* image, const uint8_t* points, int32_t count);

// Each channel through its table: 8 bits through `red`, 16 bits through `red`
// read as 65536 16-bit entries, 24 bits red, green and blue through their own.
[[nodiscard]] int32_t PrintConvertCallback(const void* red, const void* green, const void* blue,
                                           ImageDesc* source, ImageDesc* result);
// The same; an 8-bit image without the grey flag goes through a 24-bit copy
// reduced back to 256 colours (ApplyToTrueColorCopy).
[[nodiscard]] int32_t ApplyColorTablesToImage(const void* red, const void* green, const void* blue,
                                              ImageDesc* source, ImageDesc* result);
