// Wform: the dialog procedure of the water analysis form "Raw Water Chemistry
// Input" (templates 80 to 83) for the surface, injection or formation water that
// currentWater names.
#pragma once

#include "platform/window/win_types.h"

win::INT_PTR Wform(win::HWND form, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// The form's colours: every edit on white; the H2S and pH2S fields and the note
// in dark red while both gases are entered; the values the balancing changed in
// red; everything else in the shared text colour.
inline constexpr win::COLORREF kTwoSulfideColour = win::RGB(191, 0, 0);
inline constexpr win::COLORREF kBalancedValueColour = win::RGB(255, 0, 0);
