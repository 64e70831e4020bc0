// Putting a bitmap onto a printer: the bitmap goes through the screen DC into
// a packed DIB, which is stretched over the box the page gives it.
#pragma once

#include "platform/gdi/gdi_types.h"
#include "platform/window/win_types.h"

// True when the device takes bitmaps at all (bit-block transfers or stretching).
[[nodiscard]] bool TakesBitmaps(win::HDC dc);

// The bitmap's size into `info`; false for no bitmap or one whose size cannot
// be read, which is then deleted.
[[nodiscard]] bool BitmapSizeOrDelete(win::HBITMAP bitmap, win::BITMAP* info);

// Stretches the bitmap (of the size in `info`) over width x height at x, y on
// dc. Nothing is drawn when no block can be had for the DIB or no row of the
// bitmap can be read; the bitmap stays the caller's.
void StretchBitmapAsDib(win::HDC dc, win::HBITMAP bitmap, const win::BITMAP& info, int x, int y,
                        int width, int height);
