// Device-independent bitmap layouts: reading a header (info or core form)
// with its colour table, and converting rows of 1, 4, 8, 16, 24 or 32 bits
// to and from 0x00RRGGBB pixels.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/gdi/gdi.h"

namespace win {

struct DibLayout {
    int width = 0;
    int height = 0;  // rows, always positive
    bool topDown = false;
    int bitCount = 0;
    DWORD compression = BI_RGB;
    std::vector<RGBQUAD> colors;             // the colour table in use
    std::array<DWORD, 3> masks = {0, 0, 0};  // red, green, blue (16 and 32 bits)
    std::size_t stride = 0;                  // bytes per row, a multiple of 4
    std::size_t headerBytes = 0;             // header + masks + colour table
    [[nodiscard]] std::size_t ImageBytes() const {
        return stride * static_cast<std::size_t>(height);
    }
};

// Row stride of a DIB: rows padded to 32 bits.
[[nodiscard]] inline std::size_t DibStride(int width, int bitCount) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32) * 4;
}

// Parses a header and its colour table. For DIB_PAL_COLORS the table holds
// 16-bit indices into `palette` (null: the default palette). false for a
// header that cannot describe an uncompressed picture of a supported depth
// (or for sizes beyond what the drawing layer takes: 65535 pixels a side,
// 64 million pixels in all). `available` bounds the bytes that may be read
// from `header` (the program's own BITMAPINFO records are trusted whole).
[[nodiscard]] bool ParseDibHeader(const void* header, UINT usage,
                                  const std::vector<PALETTEENTRY>* palette, DibLayout* layout,
                                  std::size_t available = std::numeric_limits<std::size_t>::max());
// A whole packed DIB of `size` bytes: the header, the colour table and
// every row must lie inside it.
[[nodiscard]] bool ParsePackedDib(const void* dib, std::size_t size, DibLayout* layout);

// Converts the rows to top-down 0x00RRGGBB pixels (width x height).
void DibToPixels(const DibLayout& layout, const std::uint8_t* bits,
                 std::vector<std::uint32_t>* pixels);
// Converts top-down pixels into rows of the layout; indexed depths take the
// nearest colour of the table.
void PixelsToDib(const DibLayout& layout, const std::uint32_t* pixels, std::uint8_t* bits);

// Nearest entry of a colour table (squared distance in RGB).
[[nodiscard]] int NearestColorIndex(const std::vector<RGBQUAD>& colors, std::uint32_t pixel);

// The colour tables GetDIBits gives for a colour device bitmap: black and
// white for 1 bit, the 16 colours of the default palette for 4 bits, the
// halftone palette for 8 bits.
[[nodiscard]] std::vector<RGBQUAD> StandardColorTable(int bitCount);

}  // namespace win
