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
// After a change of the pH prediction method (or of the user's curve while it
// is the method): when an entered water has its pH predicted (typed as -1),
// every result is calculated again as after a change of units, so that the
// water's page and everything made from it take the method's pH at once.
// Nothing is calculated when every water has its own pH.
void RecalculateForNewPhPrediction(win::HWND mainWindow);
// The surface water, when entered, calculated again from its values as
// entered: the start the what-if drivers need where no calculation of it is
// kept (a workspace just opened).
void RecalculateSurfaceWater(win::HWND mainWindow);
