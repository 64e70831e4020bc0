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
