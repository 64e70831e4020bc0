// The one font factory of the graph painters: a face selector and a few
// switches mapped onto a font request.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_types.h"

// face 0 "Times New Roman Bold", 1 "Arial Bold" (swiss family), 2 "MS Sans
// Serif" (OEM, fixed pitch); any face but 2 with `systemFace` set "terminal"
// (fixed pitch); another face with `systemFace` 0 gives no font. Escapement and
// orientation are quarterTurns x 900; weight 700 when bold, else 400; proof
// quality. The caller deletes the font.
[[nodiscard]] win::HFONT CreateGraphFont(int32_t face, uint32_t systemFace, int32_t height,
                                         uint32_t quarterTurns, uint32_t bold);

// The request CreateGraphFont makes; false for a face that has none.
bool GraphFontRequest(int32_t face, uint32_t systemFace, int32_t height, uint32_t quarterTurns,
                      uint32_t bold, win::LOGFONTA& request);
