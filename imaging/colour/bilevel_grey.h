// Grey pictures between the less common depths: 8-bit to 1-bit (error
// diffusion, ordered, fixed threshold or the caller's matrix), 1-bit to 8-bit
// (plain or smoothed), and 32-, 16- and 8-bit grey through value windows.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Modes of ConvertToBilevel.
enum BilevelMode : int32_t {
    kBilevelDiffused = 0,   // Stucki error diffusion
    kBilevelOrdered = 1,    // the 8 x 8 ordered matrix x 5
    kBilevelThreshold = 2,  // 128 and above is white (any mode not listed here)
    kBilevelMatrix = 3,     // the caller's 64 thresholds
};

[[nodiscard]] int32_t ConvertToBilevel(int32_t mode, ImageDesc* source, ImageDesc* destination,
                                       const uint8_t* matrix);
[[nodiscard]] int32_t ConvertToBilevelDiffused(int32_t mode, ImageDesc* source,
                                               ImageDesc* destination);
[[nodiscard]] int32_t ConvertFromBilevel(ImageDesc* source, int32_t smoothing,
                                         ImageDesc* destination);
[[nodiscard]] int32_t ConvertFromBilevelPlain(ImageDesc* source, ImageDesc* destination);
[[nodiscard]] int32_t ConvertFromBilevelSmooth(ImageDesc* source, ImageDesc* destination);

// 32-bit grey into 8- or 16-bit grey: values at or below the lower bound
// become 0, at or above the upper the destination's maximum, between them a
// straight line (rounded).
[[nodiscard]] int32_t WindowGrey32(uint32_t bound1, uint32_t bound2, ImageDesc* source,
                                   ImageDesc* destination);
[[nodiscard]] int32_t WindowGrey32Entry(uint32_t bound1, uint32_t bound2, ImageDesc* source,
                                        ImageDesc* destination);
// 16-bit grey into 8-bit grey: the high byte (mode 1) or a window (otherwise).
[[nodiscard]] int32_t Grey16ToGrey8(uint32_t bound1, uint32_t bound2, ImageDesc* source,
                                    ImageDesc* destination, int32_t mode);
[[nodiscard]] int32_t Grey16HighByte(ImageDesc* source, ImageDesc* destination);
[[nodiscard]] int32_t Grey16Window(uint32_t bound1, uint32_t bound2, ImageDesc* source,
                                   ImageDesc* destination);
// Each 8-bit value x 257.
[[nodiscard]] int32_t Grey8ToGrey16(ImageDesc* source, ImageDesc* destination);
