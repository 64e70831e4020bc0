// Raw input events, as a driver or a script produces them. They are turned
// into posted window messages at once (through the hit test for the mouse).
#pragma once

#include "platform/drivers/script.h"
#include "platform/window/win_types.h"

namespace win {

void InjectMouseMove(POINT screen);
// `forceDouble` makes a press count as the second click of a double-click
// whatever the time since the first.
void InjectMouseButton(POINT screen, MouseButton button, bool down, bool forceDouble = false);
// `character` is what the key types (0 for none); it becomes WM_CHAR when the
// key-down message is translated.
void InjectKey(int virtualKey, bool down, char character = 0);
void InjectWheel(HWND hwnd, int delta);

}  // namespace win
