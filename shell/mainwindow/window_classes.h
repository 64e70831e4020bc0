// Registration of every window class and the private clipboard formats.
#pragma once

#include "platform/window/win_types.h"

// 1 when every class and the four private clipboard formats are registered, 0
// at the first failure (a class name missing from the string table or a class
// that cannot be registered); classes registered before stay registered.
[[nodiscard]] int InitApplication(win::HINSTANCE instance);

// The procedure of the classes whose windows the program does not open yet:
// default processing only.
win::LRESULT DefaultOnlyWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam);

// The main window's background colour, RGB(101, 110, 126).
inline constexpr win::COLORREF kMainBackgroundColour = win::RGB(101, 110, 126);
