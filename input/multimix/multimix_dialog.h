// The modal dialog "Multi Mix Water Chemistry Input" (templates 115 to 117),
// where the source waters of a multi-mix blend are entered one at a time.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// The template for a desktop `height` pixels high: 116 up to 900, 117 up to
// 1000, 115 above.
[[nodiscard]] int MultiMixTemplate(int height);

// Runs the dialog owned by the main window; returns dialogResult: 0 after OK,
// 1 after Recalculate (or a change of units), 2 after MIX, -1 after Cancel or
// when the dialog could not open (reopenMultiMix is then cleared).
int16_t ShowMultiMixDialog();

win::INT_PTR MultiMixDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                             win::LPARAM lParam);

inline constexpr const char* kNoWeightQuestion =
    "You must enter a WEIGHT PERCENT or BRINE FLOW & DENSITY.  Did you wish to enter one of "
    "these values? ";
inline constexpr const char* kWeightSetText = "Setting WEIGHT PERCENT to 100";
