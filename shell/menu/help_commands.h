// The HELP menu: Ordering (173) through the platform's help call and the
// Technical Manual (172) through a PDF reader program.
#pragma once

#include <string>

#include "platform/window/win_types.h"

void ShowOrderingHelp(win::HWND mainWindow);
// Tries "AcroRd32.exe", "Acrobat.exe" and "xdg-open" on the manual; when none
// starts, an "ERROR" box asks for a PDF reader and names the manual's file.
void ShowTechnicalManual(win::HWND mainWindow);

// The command lines tried, in order, for the manual at this Linux path.
[[nodiscard]] std::string ManualCommandLine(int attempt, const std::string& manualPath);
inline constexpr int kManualReaderCount = 3;

inline constexpr const char* kOrderingHelpFile = "\\ZORIN\\plorder.hlp";
inline constexpr const char* kManualFile = "\\plmanual.pdf";
inline constexpr const char* kNoPdfReaderText =
    "A PDF reader program is needed to read the technical manual. Please exit Tarvex and "
    "install a PDF reader.";
inline constexpr const char* kNoPdfReaderCaption = "ERROR";
// The box's text: the request, then where the manual lies, so that the user
// can open it with any reader.
[[nodiscard]] std::string NoPdfReaderText(const std::string& manualPath);
