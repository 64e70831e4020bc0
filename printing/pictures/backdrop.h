// The page picture behind the one-page and well-log summaries on the screen.
#pragma once

#include "platform/window/win_types.h"

// Picture ids: the landscape backdrop and the portrait one.
constexpr int kBackdropLandscape = 1247;
constexpr int kBackdropPortrait = 4350;

// Fills the window's client area (and one pixel more each way) on the DC with
// the backdrop that suits its shape, stretched to it. `mode` is 0 for every
// caller.
void PaintBackdropBitmap(win::HWND window, win::HDC dc, int mode);
