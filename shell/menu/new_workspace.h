// New (1019): the workspace back to its empty state, after the offer to save
// changed work.
#pragma once

#include "platform/window/win_types.h"

// Nothing happens when the user wanted the work saved and it was not.
void NewWorkspace(win::HWND mainWindow);
