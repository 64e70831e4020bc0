// The three print option dialogs of the main menu: minerals by name or by
// formula (161), saturation as ratio or index (73), graphs printed directly or
// indirectly (78). Each is two stacked radio buttons with OK and Cancel; a
// click sets the value at once, Cancel puts back the value the dialog opened
// with, OK saves where the value is kept.
#pragma once

#include "platform/window/win_types.h"

// mineralTitles; OK rewrites the units file when it changed.
win::INT_PTR ChemFormatDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                               win::LPARAM lParam);
// indexFormat; nothing is written.
win::INT_PTR IndexFormatDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                win::LPARAM lParam);
// printMode; OK rewrites the display configuration file when it changed, and
// says "Error: Cannot open file" when that file can be neither opened nor
// created (the new mode then lasts until the program ends).
win::INT_PTR PrintModeDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                              win::LPARAM lParam);
