// Making, describing and releasing images.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// A DIB-section image when the system probe allows it (it runs on first use),
// else a global-memory image. Depths 1, 4 (stored as 8), 8, 16, 24, 32.
[[nodiscard]] int32_t AllocImage(ImageDesc* image, int32_t width, int32_t height, int32_t bits);
[[nodiscard]] int32_t AllocImageGlobal(ImageDesc* image, int32_t width, int32_t height,
                                       int32_t bits);
// Frees an image made by AllocImage, AllocImageGlobal or a capture, and clears
// the descriptor. A descriptor whose header does not start a live block large
// enough for the image is left alone. The result carries no status.
int32_t FreeImage(ImageDesc* image);
// Points the descriptor into a packed DIB (header, colour table, bottom-up
// rows) without copying; the caller keeps the block.
[[nodiscard]] int32_t ImageFromPackedDib(void* packedDib, ImageDesc* image);

void ZeroImageDesc(ImageDesc* image);
void CopyImageDesc(const ImageDesc* from, ImageDesc* to);
void GetImageRect(const ImageDesc* image, int32_t rect[4]);
void SetImageRectFromArray(const int32_t rect[4], ImageDesc* image);
void SetImageRect(ImageDesc* image, int32_t startX, int32_t startY, int32_t endX, int32_t endY);
// The common area of two working rectangles, anchored at each one's top-left.
void ClipImageArea(const ImageDesc* first, const ImageDesc* second, int32_t* rows,
                   int32_t* columns);

// Colour tables.
void InitImagePalette(ImageDesc* image);
[[nodiscard]] int32_t IsGreyPalette(const ImageDesc* image);
[[nodiscard]] int32_t SetDibSectionPalette(ImageDesc* image);
// biClrUsed, else 2^bits below 16 bits, else 0.
[[nodiscard]] int32_t PaletteColorCount(const win::BITMAPINFOHEADER* header);
// The grey-ramp step of a depth: 255 for 1 bit down to 1 for 8 bits and above.
[[nodiscard]] int32_t GreyStep(int32_t bits);
