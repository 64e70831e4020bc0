// Dialog 79 "Select Printout Size": how many text lines of a result page fill
// the height of the screen (25 to 55 on the scroll bar, 20 to 55 typed). OK
// saves the display configuration file and makes the page font again.
#pragma once

#include "platform/window/win_types.h"

// Runs the dialog; returns 1 after OK, 0 after Cancel.
int ShowPrintoutSizeDlg(win::HWND owner);
// Ends with 1 for OK, 0 for Cancel.
win::INT_PTR PrintoutSizeDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                 win::LPARAM lParam);
