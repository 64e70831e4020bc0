// Rows of packed 1-bit pixels. Bit offsets count from the most significant bit
// of a row's first byte. Runs are moved a byte at a time by shifting and
// merging, not pixel by pixel.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Copies `count` bits from `row` at `bitOffset` into `destination`, aligned to
// its first bit; the bits behind the last pixel in the last byte are cleared.
void GetPackedRun(uint8_t* destination, const uint8_t* row, uint32_t bitOffset, uint32_t count);
// Writes `count` bits from the aligned `source` into `row` at `bitOffset`; the
// row's other bits in the first and last byte keep their values.
void PutPackedRun(uint8_t* row, const uint8_t* source, uint32_t bitOffset, uint32_t count);
// Sets `count` bits from `bitOffset`, cut at the row's length in bits.
void SetBitRun(uint32_t bitOffset, uint8_t* row, uint32_t count, uint32_t rowBits);
// Clears `count` bits from `bitOffset`.
void ClearBitRun(uint8_t* row, uint32_t bitOffset, uint32_t count);

// Copies the source's working rectangle upside down into the result's (1, 8 or
// 24 bits, both of one depth); source and result may be the same image.
[[nodiscard]] int32_t FlipRectVertical(ImageDesc* source, ImageDesc* result);
