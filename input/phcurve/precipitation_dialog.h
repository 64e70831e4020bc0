// PrecipitationDlgProc: " Choose Precipitation" (template 165), the unit of
// precipitated amounts and the quantity the pages show.
#pragma once

#include "input/whatif/whatif_recompute.h"
#include "platform/window/win_types.h"

// Runs the dialog for the main window, then repaints the main window.
void OpenPrecipitationDialog();

// Also the window procedure of the "Precip" class, of which no window is made.
win::INT_PTR PrecipitationDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam);

// The calculations OK runs; tests replace them (ScenarioDrivers() puts them back).
void SetPrecipitationDrivers(const WhatIfDrivers& drivers);
