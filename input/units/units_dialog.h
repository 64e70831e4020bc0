// The units dialog "ANALYTICAL UNITS SELECTION" (templates 27 to 29).
#pragma once

#include "platform/window/win_types.h"

// Runs Units modally for `owner`: template 27 on a desktop above 1024 pixels
// high, 29 from 601 to 1024, else 28.
void OpenUnitsDialog(win::HWND owner);
[[nodiscard]] int UnitsTemplate(int desktopHeight);

win::INT_PTR Units(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

inline constexpr const char* kUnitsChangedWarning =
    "WARNING: UNITS HAVE BEEN CHANGED! PLEASE CHECK YOUR INPUT WATER ANALYSIS & RECALCULATE IF "
    "NECESSARY!";
