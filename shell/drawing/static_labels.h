// The label classes "w_static", "w_static_ctr" and "w_static_rt": a label
// paints its window text (at most 79 characters), word-wrapped in its client
// area, left-aligned, centred or right-aligned, in the window colours and the
// device context's default font. It keeps no state of its own.
#pragma once

#include "platform/window/win_types.h"

inline constexpr int kLabelTextChars = 79;

win::LRESULT StaticLeftWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                               win::LPARAM lParam);
win::LRESULT StaticCenterWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                 win::LPARAM lParam);
win::LRESULT StaticRightWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam);
