// The pieces of the halftone print that work on rows of grey values: the
// scale masks, the 8 x 8 ordered screen and error diffusion with Stucki
// weights. One-bit rows are packed most significant bit first, 1 = white.
#pragma once

#include <cstdint>

// Grey values above the threshold print white.
extern const uint8_t kOrderedScreen[8][8];

// Bytes of a mask over `positions` positions.
[[nodiscard]] constexpr int32_t MaskBytes(int32_t positions) {
    return (positions + 7) / 8;
}
// Fills the scale mask of a device size against a source size: one bit per
// position of the larger size (MaskBytes of it). Enlarging, a set bit makes
// the device pixel take the next source pixel and a clear bit repeats the
// last one; reducing, a set bit keeps the source pixel and a clear bit skips it.
void BuildScaleMask(int32_t deviceSize, int32_t sourceSize, uint8_t* mask);
[[nodiscard]] inline bool MaskBit(const uint8_t* mask, int32_t position) {
    return (mask[position >> 3] & (0x80u >> (position & 7))) != 0;
}

// The grey row of `deviceWidth` pixels made from a source row through the
// column mask.
void ScaleGreyRow(const uint8_t* source, int32_t sourceWidth, const uint8_t* columnMask,
                  int32_t deviceWidth, uint8_t* grey);

// One device row thresholded against the screen row deviceRow mod 8.
void DitherOrderedRow(const uint8_t* grey, int32_t width, int32_t deviceRow, uint8_t* bits);

// Error diffusion over a ring of three grey rows, each width + 4 bytes with
// the pixels at offset 2. `current` is decided into `bits`; its error goes to
// the rest of `current` and to `next` and `afterNext`.
void DiffuseStuckiRow(uint8_t* current, uint8_t* next, uint8_t* afterNext, int32_t width,
                      uint8_t* bits);
