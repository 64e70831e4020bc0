// What the BMP writer, header reader and row decoders share inside the library.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/frame/image_io.h"
#include "imaging/image_records.h"

// Rows are gathered in a buffer of at least this many bytes.
inline constexpr std::size_t kBmpBufferBytes = 98304;

// Row kinds of the reader, from the file's depth and compression.
enum BmpRowKind : int32_t {
    kBmpRowNone = 0,
    kBmpRowPackedBits,  // 1 bit
    kBmpRowNibbles,     // 4 bits, one index per byte
    kBmpRowRle4,
    kBmpRowBytes,  // 8 or 24 bits as stored
    kBmpRowRle8,
    kBmpRowMasked16,  // 16 bits to 24
    kBmpRowMasked32,  // 32 bits to 24
};

// Reads and normalises the headers of `source` into bmpReadState (caller
// holds the BMP lock). IMG_OK or the failure status.
[[nodiscard]] int32_t ReadBmpHeader(const ImageSource& source);
// The row kind for a file depth and compression; kBmpRowNone when the pair is
// not one the reader knows.
[[nodiscard]] BmpRowKind BmpRowKindFor(int32_t bits, uint32_t compression);
// Reads the colour table of the header in bmpReadState (up to 256 entries).
[[nodiscard]] int32_t ReadBmpPalette(const ImageSource& source, win::RGBQUAD* table);

// Encodes one row of 8-bit pixels as BI_RLE8 and its end-of-line pair; returns
// the bytes written to `out`, which holds at least 2 x count + 2 bytes.
[[nodiscard]] std::size_t EncodeRle8Row(const uint8_t* pixels, uint32_t count, uint8_t* out);

// Decodes one stored row of run-length data into `row` (`width` pixels, one
// byte each: the padded row, of which the picture's width is kept). Pixels a delta skips keep their
// values. Sets *endOfBitmap when the end-of-bitmap code ends the row. IMG_OK, IMG_BAD_RLE, or
// IMG_IO_ERROR when the data ends first.
[[nodiscard]] int32_t DecodeRleRow(StreamReader& in, bool fourBit, uint8_t* row, uint32_t width,
                                   bool* endOfBitmap);
// Stores one uncompressed stored row `data` of a file of depth `fileBits` into
// the image row `out`: `columns` pixels from column `startX`.
void StoreBmpRow(BmpRowKind kind, int32_t fileBits, const uint8_t* data, uint8_t* out,
                 int32_t startX, int32_t columns, const uint32_t masks[3]);
// Widens one 16- or 32-bit pixel to blue, green, red through the channel masks.
void MaskedPixelToBgr(uint32_t pixel, int32_t bits, const uint32_t masks[3], uint8_t* bgr);
