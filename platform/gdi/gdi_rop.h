// Raster operations done pixel by pixel on raster targets: the ternary
// operation of a raster-op code over pattern, source and destination, and
// the pattern pixel of a brush at a device position.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dc.h"

namespace win {

// Bits 16..23 of a raster-op code give the result bit for each combination
// of pattern (weight 4), source (2) and destination (1) bits; applied to
// every bit of the 24-bit pixels.
[[nodiscard]] constexpr std::uint32_t ApplyRop3(DWORD rop, std::uint32_t p, std::uint32_t s,
                                                std::uint32_t d) {
    const std::uint32_t code = (rop >> 16) & 0xFF;
    std::uint32_t r = 0;
    for (std::uint32_t i = 0; i < 8; ++i) {
        if (((code >> i) & 1u) == 0) continue;
        r |= ((i & 4u) ? p : ~p) & ((i & 2u) ? s : ~s) & ((i & 1u) ? d : ~d);
    }
    return r & 0x00FFFFFFu;
}

// Whether a raster-op code reads the pattern or the source.
[[nodiscard]] constexpr bool RopUsesPattern(DWORD rop) {
    const std::uint32_t c = (rop >> 16) & 0xFF;
    return ((c >> 4) & 0x0F) != (c & 0x0F);
}
[[nodiscard]] constexpr bool RopUsesSource(DWORD rop) {
    const std::uint32_t c = (rop >> 16) & 0xFF;
    return ((c >> 2) & 0x33) != (c & 0x33);
}

// The pixel a brush paints at a device position (hatch lines in the brush
// colour, the rest in the background colour); null brushes give white.
[[nodiscard]] std::uint32_t BrushPixelAt(const DcState& state, const LOGBRUSH& brush, int x, int y);

}  // namespace win
