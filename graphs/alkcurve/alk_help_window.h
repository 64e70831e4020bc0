// The help screen of the pH-alkalinity input: class "HELP", eight fixed lines
// in the OEM fixed font, closed by a character key, a double click or
// command 1028.
#pragma once

#include "platform/window/win_types.h"

inline constexpr const char* kAlkHelpTitle = "ALkalinity - pH Curve Help Screen";
inline constexpr int kAlkHelpLineCount = 8;
// The lines in order; line k (from 1) stands at slot 2k of the report line height.
extern const char* const kAlkHelpLines[kAlkHelpLineCount];

win::LRESULT HelpWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

// Creates the help window owned by the input dialog, sized by the dialog's
// font, and shows it maximised. Returns the window (null when none was made).
win::HWND CreateAlkHelpWindow(win::HWND owner);
