// The 3D graph painter: one chosen result over the 7 x 7 what-if grid as bars
// on an oblique floor or as a coloured relief, into any device context.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Paints the whole picture into `dc` from the global records: the window in
// the graph slot (`window`) sizes the picture for screen and bitmap targets,
// the device for a printer. Returns 0.
int Draw3DGraph(win::HDC dc, win::HWND window);

// The picture size on a printer of `horzRes` x `vertRes` pixels: the largest
// 4:3 area, the whole area when it is exactly 4:3.
void ThreeDPrinterPicture(int32_t horzRes, int32_t vertRes, int32_t& width, int32_t& height);
