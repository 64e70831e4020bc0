// Which result windows open after each calculation and which chemistry items
// and deposition indicators the reports print: four check-box dialogs over
// word lists of DisplaySettings, where a word of 0 means shown or printed.
// A click flips its box's word; OK writes the display configuration file;
// Cancel puts the list back as it was when the dialog opened.
#pragma once

#include "platform/window/win_types.h"

// The openers of the main menu's commands; each returns 0.
int ShowSurfaceWindows(win::HWND owner);
int ShowMixedWindows(win::HWND owner);
int ShowChemItemsToPrint(win::HWND owner);
int ShowIndicatorsToPrint(win::HWND owner);

// The template of a print selection for a desktop of that height.
[[nodiscard]] int ChemItemsTemplate(int desktopHeight);
[[nodiscard]] int IndicatorsTemplate(int desktopHeight);

win::INT_PTR SurfaceWindowsDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                   win::LPARAM lParam);
win::INT_PTR MixedWindowsDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                 win::LPARAM lParam);
win::INT_PTR ChemItemsToPrintDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                     win::LPARAM lParam);
win::INT_PTR IndicatorsToPrintDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM lParam);

// Each box of the dialog checked while its word is 0.
void SetSurfaceWindowsChecks(win::HWND dialog);
void SetMixedWindowsChecks(win::HWND dialog);
// Dosage and "Corrosion Rate" unchecked and greyed while the configuration
// version is below 201.
void SetChemItemsChecks(win::HWND dialog);
void SetIndicatorsChecks(win::HWND dialog);

// The main window's handler of the hidden id 213: nothing; returns 0.
int NoOpMenuHandler(win::HWND mainWindow);
