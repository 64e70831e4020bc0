// Resampling a bitmap to a new size for the page pictures: the system's
// stretch when one side grows and the other shrinks, otherwise blending of
// neighbouring pixels (enlarging) or area averaging (shrinking) through
// 24-bit DIBs.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/gdi_types.h"
#include "platform/window/win_types.h"

// A new bitmap of width x height resampled from `bitmap`; the caller deletes
// both. nullptr for a missing bitmap or a size of 0 or above 32767.
[[nodiscard]] win::HBITMAP ScaleBitmap(win::HBITMAP bitmap, uint16_t width, uint16_t height);
// The system's stretch of the bitmap (whole pixels).
[[nodiscard]] win::HBITMAP CopyScaledBitmap(win::HBITMAP bitmap, int width, int height);
// A bottom-up 24-bit header; rows of 3 x width bytes rounded up to 4.
[[nodiscard]] win::BITMAPINFOHEADER MakeDibHeader24(int width, int height);

// Per pixel of an axis: the share that goes with the current partner pixel,
// and the share that goes with the next one (0 for none; -1 when the pixel
// ends exactly on a partner's boundary).
struct ResampleWeight {
    float first;
    float second;
};
// `count` entries; shrinking walks the source pixels against `other` result
// pixels, enlarging the result pixels against `other` source pixels.
[[nodiscard]] std::vector<ResampleWeight> BuildResampleWeights(int count, int other,
                                                               bool shrinking);
// 24-bit DIB rows (blue, green, red; rows of MakeDibHeader24's size) of the
// source into the result. Enlarging blends up to four source pixels, keeping
// the sum an integer after each addition; shrinking averages areas.
void EnlargeDib(const uint8_t* source, int sourceWidth, int sourceHeight, uint8_t* result,
                int resultWidth, int resultHeight);
void ShrinkDib(const uint8_t* source, int sourceWidth, int sourceHeight, uint8_t* result,
               int resultWidth, int resultHeight);
