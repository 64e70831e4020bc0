// Select Parameters: the single-water what-if settings from the main menu.
#pragma once

#include "platform/window/win_types.h"

void SelectParameters(win::HWND mainWindow);
