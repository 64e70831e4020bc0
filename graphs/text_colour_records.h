// The text colour the graph painters leave for ordinary text, which the input
// forms also use for their normal text (black until a painter changes it).
#pragma once

#include "platform/window/win_types.h"

extern win::COLORREF sharedTextColour;

void ResetTextColourRecords();
