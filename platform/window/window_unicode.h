// Whether a window keeps its texts as UTF-16: the windows of this platform
// keep them in the ANSI code page, so the answer is always no.
#pragma once

#include "platform/window/win_types.h"

namespace win {

inline BOOL IsWindowUnicode(HWND) {
    return FALSE;
}

}  // namespace win
