// Validation of an image at the start of every operation.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// The bit of depth d in a mask of accepted depths.
[[nodiscard]] constexpr uint64_t DepthBit(int d) {
    return uint64_t{1} << d;
}

// Checks the descriptor against the accepted depths; puts its rectangle in
// order (the descriptor is changed). IMG_OK or the first fault found.
[[nodiscard]] int32_t CheckImageCore(ImageDesc* image, uint64_t acceptedDepths);
[[nodiscard]] int32_t CheckImage(ImageDesc* image);              // 8, 24
[[nodiscard]] int32_t CheckImagePair(ImageDesc* image);          // 1, 8, 24
[[nodiscard]] int32_t CheckImageTriple(ImageDesc* image);        // 1, 8, 16, 24
[[nodiscard]] int32_t CheckImagePairSameSize(ImageDesc* image);  // 1, 8, 16, 24, 32

// Bytes from `pointer` to the end of the live global block or DIB section it
// points into; 0 for any other pointer.
[[nodiscard]] std::size_t ReadableBytesAt(const void* pointer);
