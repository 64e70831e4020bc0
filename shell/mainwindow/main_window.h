// The main window: the frame of class "TarvexMainClass" with menu 9 and the
// background picture, owner of every result page and graph window.
#pragma once

#include "platform/window/win_types.h"

win::LRESULT MainWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// The background picture for a desktop of w x h pixels (ids 100 to 107).
[[nodiscard]] int ChooseBackgroundPicture(int width, int height);

// Where result pages go, from the system metrics, the monitor and the page font.
void ComputePagePlacement();
