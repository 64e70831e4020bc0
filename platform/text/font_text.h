// Internal text helpers shared by text output and formatted text.
#pragma once

#include "platform/text/font_faces.h"
#include "platform/gdi/gdi_dc.h"

namespace win {

// The context's selected font realised at the context's device scale.
[[nodiscard]] RealizedFont DcFont(const DeviceContext& dc);

}  // namespace win
