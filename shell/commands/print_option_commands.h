// The main menu's printer commands: "&Printer Setup" and the three print
// option dialogs ("&Print Mode", "Mineral Name/Chemical Formula", "Index or
// Ratio").
#pragma once

#include "platform/window/win_types.h"

// The set-up dialog; tells the user when no printer results.
void RunPrinterSetup(win::HWND mainWindow);
// Dialog 78, 161 or 73 for the menu command, then the main window repainted;
// after the print mode the printer colour words follow the default printer.
void RunPrintOptionDialog(win::HWND mainWindow, unsigned command);
