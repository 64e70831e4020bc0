// The start-up configuration loader: settings files, screen fonts, data files,
// unit factors and the start values of the workspace, in that order.
#pragma once

#include "platform/window/win_types.h"

enum class StartupOutcome { kReady, kEndProgram };

// Runs once from InitInstance after the main window is shown. kEndProgram when a
// data file cannot be opened (the user has been told); the program then ends
// with exit code 0 before its message loop.
[[nodiscard]] StartupOutcome LoadStartupConfig(win::HWND mainWindow);

// The settings part of the start-up, as New takes it again: the start values
// the files build on, the units, heading and display configuration files, the
// unit factors and the workspace start values.
void LoadStartupSettings();

// Colour words of the graph output: the screen's from the main window's device
// and the printer's from the default printer (1 when there is none).
void SetDisplayColours(win::HWND mainWindow);
