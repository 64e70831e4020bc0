// The work-file commands the exit path calls.
#pragma once

#include "platform/window/win_types.h"

// The Save As dialog for the work file; 0 when a file name was chosen.
[[nodiscard]] int ShowSaveAsDialog(win::HWND owner);
// Writes the whole workspace to the chosen work file; 0 on success.
[[nodiscard]] int SaveWorkFile(win::HWND owner);
