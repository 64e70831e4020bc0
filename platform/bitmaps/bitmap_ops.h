// Internal bitmap helpers shared by the bitmap, blit and drawing files.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmaps/bitmap_dib_format.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/surface.h"

namespace win {

// Sizes a bitmap may have (65535 a side, 64 million pixels).
[[nodiscard]] bool ValidBitmapSize(int width, int height);

// A bitmap's pixels as a picture (a DIB section's rows converted).
[[nodiscard]] Image32 BitmapAsImage(const BitmapObject& bm);

// The row layout of a DIB section's bits.
void BitmapSectionLayout(const BitmapObject& bm, DibLayout* layout);

// Draws a picture into a context's logical rectangle (x, y, width, height;
// negative sizes mirror) through a raster operation, stretched with the
// context's stretch mode; records it when the context records.
void DrawImage(DeviceContext& dc, int x, int y, int width, int height, const Image32& picture,
               DWORD rop);

// The part of a pixel view inside [x, x + w) x [y, y + h); pixels outside
// the view are white.
[[nodiscard]] Image32 CutImage(const Surface& view, int x, int y, int w, int h);

}  // namespace win
