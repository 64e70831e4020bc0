// The fixed colour tables of the drawing layer.
#pragma once

#include <vector>

#include "platform/gdi/gdi.h"

namespace win {

// The 20 colours of the default palette (GetStockObject(DEFAULT_PALETTE)).
[[nodiscard]] const std::vector<PALETTEENTRY>& DefaultPaletteEntries();
// The 256 colours of the halftone palette: the first ten default colours, a
// 6 x 6 x 6 colour cube, a ramp of 20 greys and the last ten default colours.
[[nodiscard]] const std::vector<PALETTEENTRY>& HalftoneEntries();

}  // namespace win
