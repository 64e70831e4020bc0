// The program entry: classes, the main window and its settings, the message loop.
#pragma once

#include "platform/window/win_types.h"

// Returns the exit code: the quit message's parameter, or 0 when start-up failed.
int WinMain(win::HINSTANCE instance, win::HINSTANCE prevInstance, const char* commandLine,
            int showCommand);

// 1 when the main window exists and the settings are loaded; 0 when a string
// cannot be loaded, the window cannot be created or a data file is missing.
[[nodiscard]] int InitInstance(win::HINSTANCE instance, int showCommand);
