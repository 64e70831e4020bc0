// The labels of the units dialog: the name of each item's chosen unit, the
// alkalinity labels that follow the alkalinity mode, and the labels shown
// while values are reported in epm.
#pragma once

#include "platform/window/win_types.h"

// The label text of `item` for unit `code`, or nullptr where the code has none.
[[nodiscard]] const char* UnitLabelText(int item, int code);
// The label control of `item` (the first of the three alkalinity labels for
// items 11 and 12), or -1.
[[nodiscard]] int UnitLabelControl(int item);

// The three alkalinity labels (acidity, M, P) of an alkalinity mode; nullptr
// for a mode outside 1 to 7.
[[nodiscard]] const char* const* AlkalinityLabelTexts(int mode);

void ShowUnitLabel(win::HWND dialog, int item);
void ShowUnitLabels(win::HWND dialog);
void ShowEpmUnitLabels(win::HWND dialog);

inline constexpr const char* kEpmRefusal =
    "Analytical values are currently reported in EPM. Please switch to MG/L or PPM prior to "
    "attempting this selection.";
