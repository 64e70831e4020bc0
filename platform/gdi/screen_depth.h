// Tests: the screen's depth. The screen is true colour (32 bits per pixel);
// a test may make it report 1, 4 or 8 bits instead, so that code for screens
// of few colours can be exercised. At 8 bits the screen is a palette device
// (RASTERCAPS has RC_PALETTE, SIZEPALETTE is 256) whose system palette is the
// halftone palette; at 4 bits the system colours are the 16 VGA colours, at 1
// bit black and white. Drawing stays true colour. A platform reset sets 32.
#pragma once

namespace win {

void SetScreenDepth(int bitsPerPixel);
[[nodiscard]] int ScreenDepth();

}  // namespace win
