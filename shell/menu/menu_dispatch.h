// The main window's WM_COMMAND dispatch: one line per command of menu 9.
#pragma once

#include "platform/window/win_types.h"

// Runs the command; false for an id without a handler (default processing).
bool DispatchMenuCommand(win::HWND mainWindow, win::WPARAM command);
