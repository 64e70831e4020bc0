// The program entry: classes, the main window and its settings, the message loop.
#pragma once

#include "platform/window/win_types.h"

// The exit code of a start that the settings loader ended (a data file that
// cannot be opened): the user was told, and the caller learns that the
// program did not run.
inline constexpr int kExitStartEnded = 4;

// Returns the exit code: the quit message's parameter, kExitStartEnded when
// the settings loader ended the start, or 0 when a class, a string or the main
// window could not be made.
int WinMain(win::HINSTANCE instance, win::HINSTANCE prevInstance, const char* commandLine,
            int showCommand);

// 1 when the main window exists and the settings are loaded; 0 when a string
// cannot be loaded, the window cannot be created or a data file is missing.
[[nodiscard]] int InitInstance(win::HINSTANCE instance, int showCommand);
