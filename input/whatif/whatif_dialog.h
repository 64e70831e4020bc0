// Temper: the single-water what-if settings " Single Water 'What-if' Scenarios"
// (templates 84 and 85).
#pragma once

#include "input/whatif/whatif_recompute.h"
#include "platform/window/win_types.h"

// Template 85 on a desktop 900 pixels high or less, else 84.
[[nodiscard]] int WhatIfTemplate(int desktopHeight);
// Runs Temper modally for `owner` by the desktop's height.
void OpenWhatIfDialog(win::HWND owner);

win::INT_PTR Temper(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// Takes the opening copy and fills every control.
void InitWhatIfDialog(win::HWND dialog);
// Reads and stores the fields: 0 when every field was stored, -1 when the user
// kept the old value of a refused field (the others are stored), or the id of
// the field the user chose to re-enter (nothing is stored).
int ValidateWhatIfInputs(win::HWND dialog);

// The calculations OK runs; tests replace them.
void SetWhatIfDrivers(const WhatIfDrivers& drivers);
