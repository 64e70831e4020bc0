// Geometric operations on images: nearest-neighbour scaling by step masks,
// mirroring, and the row walk they share. Areas are the images' working
// rectangles; x grows to the right and y downward from the top row.
#pragma once

#include <cstdint>
#include <vector>

#include "imaging/frame/image_desc.h"

// Which positions of the longer of two lengths take a pixel: `small` of the
// max(destination, source) bits are set, bit 0 always, spread evenly.
struct StepMask {
    std::vector<uint8_t> bits;  // most significant bit first
    int32_t length = 0;
    bool enlarging = false;  // destination >= source
    [[nodiscard]] bool Bit(int32_t i) const {
        return (bits[static_cast<std::size_t>(i) / 8] >> (7 - i % 8)) & 1;
    }
};
[[nodiscard]] int32_t BuildStepMask(int32_t destination, int32_t source, StepMask* mask);

// Nearest-neighbour scaling of the source area into the destination area
// (1, 8 or 24 bits, both of one depth); the source's colour table goes along.
[[nodiscard]] int32_t ScaleNearest(ImageDesc* source, ImageDesc* destination);

// Every destination row of the common area is its source row reversed (1, 8
// or 24 bits); source and destination may be the same image.
[[nodiscard]] int32_t MirrorImage(ImageDesc* source, ImageDesc* destination);

// Calls `row` for each row of the common area from the top, with the
// destination row, the source row (1-bit rows aligned to their first pixel),
// the width in pixels and `argument`. Check kind 1 admits 1, 8 and 24 bits,
// any other 8 and 24.
using RowRoutine = void (*)(uint8_t* destination, const uint8_t* source, int32_t width,
                            int32_t argument);
[[nodiscard]] int32_t TransformRows(int32_t checkKind, ImageDesc* source, ImageDesc* destination,
                                    RowRoutine row, int32_t argument);
// The mirroring row routine: `argument` bytes per pixel, 0 for 1-bit rows.
void GeometryRowCallback(uint8_t* destination, const uint8_t* source, int32_t width,
                         int32_t argument);

// 1 when both images have one stride and their column ranges and the memory
// spans from row startY to row endY intersect, else 0.
[[nodiscard]] int32_t ImagesOverlap(const ImageDesc* a, const ImageDesc* b);

// Resamples the source area into the destination area (equal depths): a
// copy for equal sizes; filter 0 (and any 1-bit image) nearest neighbour;
// otherwise bilinear where a side grows and area averaging where both shrink.
// An 8-bit colour image goes through 24 bits and is mapped back onto the
// source's palette.
[[nodiscard]] int32_t ResizeImage(ImageDesc* source, ImageDesc* destination, int32_t filter);
// Turns the source area by `angle` degrees (positive: counter-clockwise as
// seen) about the areas' centres into the destination area, cut to the
// rotated picture's bounding box. Right angles copy pixels exactly; other
// angles sample the source (sampling 1 the nearest pixel, else bilinear) and
// leave destination pixels that no source pixel reaches as they were.
// A non-finite angle gives IMG_OUT_OF_RANGE.
[[nodiscard]] int32_t RotateImage(double angle, ImageDesc* source, ImageDesc* destination,
                                  int32_t sampling);
[[nodiscard]] int32_t RotateImageBilinear(double angle, ImageDesc* source, ImageDesc* destination);
// 90 degrees when `flag` is non-zero, else -90.
[[nodiscard]] int32_t RotateQuarterTurn(int32_t flag, ImageDesc* source, ImageDesc* destination);
