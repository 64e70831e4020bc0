// Filling the water form from the working analysis.
#pragma once

#include "platform/window/win_types.h"

// Shows the working record on the form: a stored, pasted or redisplayed water in
// full (taking the form snapshot unless it is only a redisplay), a new water
// with today's date and time and the default pH, temperature, density and
// pressure; then the unit and alkalinity captions and the H2S note.
void ShowAnalysisFields(win::HWND form);
