// Resampling a bitmap to a new size for the page pictures.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// A new bitmap of width x height resampled from `bitmap`; the caller deletes
// both. nullptr for a missing bitmap or a size of 0 or above 32767.
[[nodiscard]] win::HBITMAP ScaleBitmap(win::HBITMAP bitmap, uint16_t width, uint16_t height);
