// Ending the program from QUIT or the system close box.
#pragma once

#include "platform/window/win_types.h"

// Asks to save changed data (a Yes whose save is cancelled or fails ends
// nothing: the program keeps running), deletes the fonts, frees the printer blocks, asks
// whether to leave a copied analysis on the clipboard, destroys the menu and the
// window and posts the quit message.
void QuitProgram(win::HWND mainWindow);

inline constexpr const char* kSaveQuestion =
    "Data has been modified since you last saved to file! Did you wish to save your "
    "Workspace(Y/N)";
inline constexpr const char* kSaveCaption = "DATA HAS CHANGED!";
inline constexpr const char* kClipboardQuestion =
    "Did you wish to leave data on the Windows Clipboard for other Applications?";
// The caption asks what Yes does, as the question does: Yes leaves the analysis.
inline constexpr const char* kClipboardCaption = "LEAVE CLIPBOARD ANALYSIS?";
