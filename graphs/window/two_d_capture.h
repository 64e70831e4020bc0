// The 2D graph window's picture as an image, shared by COPY, EXPORT IMAGE and
// the bitmap print.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"
#include "platform/window/win_types.h"

// Paints the graph into the window, copies the client area onto a white
// bitmap `extra` pixels wider and higher, and captures that bitmap into
// `image` (the caller frees it). IMG_OK, or the capture's failure.
[[nodiscard]] int32_t CaptureTwoDGraph(win::HWND hwnd, int extra, ImageDesc* image);

// The rectangle, in thousandths of an inch from the page's top-left corner,
// that a picture printed on a page of `widthMils` x `heightMils` gets on a
// printer of the given resolutions: the page cut to 4:3 (corrected for
// non-square pixels).
[[nodiscard]] win::RECT TwoDPrintRectangle(int widthMils, int heightMils, int logPixelsX,
                                           int logPixelsY);
