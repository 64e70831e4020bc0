// The pages a water's input opens: its chemistry and its indicators, by the
// windows-to-display switches of that water.
#pragma once

#include "platform/window/win_types.h"

// After the input form of the surface (0), injection (1) or formation (2)
// water: when the form did not end in Cancel (dialogResult >= 0) and the
// water is entered, "DisplayMUWater" then "DisplayMUValues" with that water's
// titles. The current water must be that water, which the pages show.
// False when a page could not be created.
bool ShowWaterInputPages(win::HWND mainWindow, int water);
