// The creation work of "DisplayMixedWater": the multi-mix date, taken from the
// main window's report date while none is kept, becomes both dates of the
// working analysis.
#pragma once

#include "platform/window/win_types.h"

void CreateSourceChemistry(win::HWND page);
