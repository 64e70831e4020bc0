// Input Units: the units dialog from the main menu.
#pragma once

#include "platform/window/win_types.h"

// Runs the units dialog; the working analysis then carries the alkalinity mode
// (element 24) and the reporting mode (element 22).
void InputUnits(win::HWND mainWindow);
