// Images to and from packed DIBs (header, colour table, bottom-up rows), device
// bitmaps, logical palettes and the clipboard.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Puts the working rectangle on the clipboard as CF_DIB, with CF_PALETTE when
// the image has colours. Returns CloseClipboard's result (non-zero when the
// clipboard was closed); 0 when the clipboard cannot be opened or emptied or
// the DIB cannot be made; non-zero without touching the clipboard for an empty
// rectangle.
int32_t CopyImageToClipboard(win::HWND window, ImageDesc* image);
// A new packed DIB of the working rectangle (1, 8 or 24 bits) in a locked
// global block that the caller owns.
[[nodiscard]] int32_t PackImageAsDib(ImageDesc* image, void** block);
// A new image from a packed DIB of 1, 4, 8, 16, 24 or 32 bits (uncompressed,
// BI_RLE4, BI_RLE8 or BI_BITFIELDS); reads stay inside the block that holds it.
[[nodiscard]] int32_t ImageFromDib(const void* packedDib, ImageDesc* image);
// A device bitmap made from a packed DIB.
[[nodiscard]] int32_t CreateDdbFromDib(win::HDC dc, const void* packedDib, win::HBITMAP* bitmap);
// A logical palette of the image's colours in use; none (null, IMG_OK) for an
// image without colours.
[[nodiscard]] int32_t CreateImagePalette(ImageDesc* image, win::HPALETTE* palette);
