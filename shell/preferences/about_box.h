// The About box: dialog 21 to 24 by the desktop's height, with picture 110
// scaled to the dialog's width above the version, date and a line about the
// program.
#pragma once

#include "platform/window/win_types.h"

// The main menu's "About &Tarvex" (10).
void ShowAbout(win::HWND mainWindow);
// 22 up to 900 pixels, 23 below 1080, 21 below 1280, 24 below 1600, else 21.
[[nodiscard]] int AboutTemplate(int desktopHeight);

// Where the picture goes in a client area of that size for a bitmap of that
// size: trunc(width / 3.8) wide, its height scaled alike, centred,
// trunc(height x 0.015) below the top.
[[nodiscard]] win::RECT AboutPictureRect(int clientWidth, int clientHeight, int bitmapWidth,
                                         int bitmapHeight);

win::INT_PTR About(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
