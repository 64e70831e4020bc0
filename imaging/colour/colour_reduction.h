// Colour reduction: a 24-bit picture into an 8-bit picture of at most 256
// colours. QuantizeColors chooses the palette by median cut over 15-bit colour
// keys; ReducePaletteCore maps every pixel to the nearest palette entry,
// optionally diffusing the error (Floyd-Steinberg).
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Mapping methods of ReducePaletteCore: the nearest-colour search and whether
// the error is diffused.
enum MappingMethod : int32_t {
    kMapOctree = 0,
    kMapOctreeDiffused = 1,
    kMapSortedAxis = 2,
    kMapSortedAxisDiffused = 3,
};

// ReduceColorsCore with method 2.
[[nodiscard]] int32_t ReduceColors(int32_t colorCount, ImageDesc* source, ImageDesc* destination);
// Quantises the 24-bit source into the 8-bit destination's palette
// (colorCount 2..256), then maps the pixels (method 0..3).
[[nodiscard]] int32_t ReduceColorsCore(int32_t colorCount, ImageDesc* source,
                                       ImageDesc* destination, int32_t method);
// Median cut: writes palette entries 0..colorCount-1 and colorCount.
[[nodiscard]] int32_t QuantizeColors(ImageDesc* source, ImageDesc* destination, int32_t colorCount);
// Maps the source's common area (24 bits, or 8 bits through its palette) onto
// the destination's existing palette.
[[nodiscard]] int32_t ReducePaletteCore(ImageDesc* source, ImageDesc* destination, int32_t method);
[[nodiscard]] int32_t MapToPaletteDithered(ImageDesc* source, ImageDesc* destination);

// The 15-bit key of a colour: (red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3).
[[nodiscard]] constexpr uint32_t ColorKey15(uint32_t red, uint32_t green, uint32_t blue) {
    return (red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3);
}
