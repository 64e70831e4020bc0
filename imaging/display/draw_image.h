// Drawing an image into a window's device context.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

// Draws the image from (sourceX, sourceY) at (destinationX, destinationY), as
// much as the client area shows. A logical palette made for the drawing is
// left to the caller in *palette (null when the image has no colours).
[[nodiscard]] int32_t DrawImageToWindowAt(win::HWND window, win::HPALETTE* palette, win::HDC dc,
                                          int32_t sourceX, int32_t sourceY, ImageDesc* image,
                                          int32_t destinationX, int32_t destinationY);
[[nodiscard]] int32_t DrawImageToWindow(win::HWND window, win::HDC dc, win::HPALETTE* palette,
                                        int32_t sourceX, int32_t sourceY, ImageDesc* image);
// Draws the image with (originX, originY) of the window at (x, y) of the
// picture; on a device of few colours a reduced copy of the visible part is
// drawn (dither mode 0 colour reduction, 2 error diffusion, else ordered).
[[nodiscard]] int32_t DrawImageAdaptive(win::HWND window, win::HDC dc, win::HPALETTE* palette,
                                        int32_t x, int32_t y, ImageDesc* image, int32_t originX,
                                        int32_t originY, int32_t ditherMode);
