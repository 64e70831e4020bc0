// After a change of units: every result filed in the units before is
// calculated again in the units now chosen.
#pragma once

#include "platform/window/win_types.h"

// Every entered water calculated again (each stored multi-mix source water,
// then the surface, injection and formation waters), the well profiles and the
// summaries' profiles made stale and computed again where a summary is open,
// the profiles computed again where a page of theirs is open, and every open
// page repainted. The working record, the water shown and the
// dialog result are kept.
void RecalculateForNewUnits(win::HWND mainWindow);
