// The work-file services the menu commands and the exit path call.
#pragma once

#include "platform/window/win_types.h"

// The Save As dialog for the work file: 0 when a path was chosen (in
// workFilePath, extension KRV) that can be written; 1 on cancel or when it cannot.
[[nodiscard]] int ShowSaveAsDialog(win::HWND owner);
// Writes the whole workspace to workFilePath: 0 when written, -1 when a write
// failed (the previous file is kept), 1 when the file could not be created.
[[nodiscard]] int SaveWorkFile(win::HWND owner);
// The Open File dialog and the load of the chosen work file: 1 on cancel or when
// the file cannot be opened, otherwise LoadWorkFile's result.
[[nodiscard]] int OpenWorkFileDlg(win::HWND owner);
