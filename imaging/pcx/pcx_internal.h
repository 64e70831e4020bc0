// What the PCX writer, reader and queries share inside the library.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/frame/image_io.h"
#include "imaging/pcx/pcx.h"

inline constexpr std::size_t kPcxHeaderBytes = 128;
inline constexpr std::size_t kPcxTrailerBytes = 769;  // the byte 12 and 256 x red, green, blue

// Kinds of file the reader handles, from planes and bits per pixel.
enum PcxKind : int32_t {
    kPcxNone = 0,
    kPcxBytes,        // 1 plane of 8 bits
    kPcxPackedBits,   // 1 plane of 1 bit
    kPcxFourPlanes,   // 4 planes of 1 bit, plane k giving bit k of the index
    kPcxNibbles,      // 1 plane of 4 bits
    kPcxThreePlanes,  // red, green and blue planes of 8 bits
};
[[nodiscard]] PcxKind PcxKindFor(int32_t planes, int32_t bitsPerPixel);

// Reads and checks the 128-byte header of a named file: IMG_NOT_THIS_FORMAT
// when it cannot be opened, IMG_NOT_PCX when it is no PCX file or its
// geometry is nonsense. `headerBytes` receives the raw header when not null.
[[nodiscard]] int32_t ReadPcxHeader(const ImageSource& source, PcxInfo* info, uint8_t* headerBytes);
[[nodiscard]] int32_t ReadPcxPalette(const ImageSource& source, win::RGBQUAD* table);

// Encodes one line: runs of at most 63 equal bytes; a run of 2 or more, or a
// single byte of 192 or more, as (192 + count, value); other single bytes as
// themselves. Returns the bytes written (at most 2 x count).
[[nodiscard]] std::size_t EncodePcxLine(const uint8_t* line, std::size_t count, uint8_t* out);

// The 16-colour table used for 16-colour files that carry none.
extern const win::RGBQUAD kPcxDefaultPalette[16];
