// Pictures from GDI into new images (each allocated with AllocImage; the
// caller frees it with FreeImage).
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// A device bitmap, read through the DC (whose system palette a palette device
// selects first).
[[nodiscard]] int32_t CaptureBitmap(win::HDC dc, win::HBITMAP bitmap, ImageDesc* image);
// A DIB section of 1, 8 or 24 bits with its colour table.
[[nodiscard]] int32_t ImageFromDibSection(win::HBITMAP bitmap, ImageDesc* image);
// Any device bitmap or DIB section, through the palette given (or the stock
// palette for depths up to 8).
[[nodiscard]] int32_t ImageFromBitmap(win::HBITMAP bitmap, win::HPALETTE palette, ImageDesc* image);
// A rectangle of the screen (screen coordinates, cut to the screen).
[[nodiscard]] int32_t CaptureScreenArea(const win::RECT* area, ImageDesc* image);
// A window's rectangle, or its client area, as the screen shows it.
[[nodiscard]] int32_t CaptureWindow(win::HWND window, ImageDesc* image);
[[nodiscard]] int32_t CaptureClientArea(win::HWND window, ImageDesc* image);
