// The HELP menu: Ordering (173) through the platform's help call and the
// Technical Manual (172) through a PDF reader program.
#pragma once

#include <string>

#include "platform/window/win_types.h"

void ShowOrderingHelp(win::HWND mainWindow);
// Finds the manual (FindManual) and tries "AcroRd32.exe", "Acrobat.exe" and
// "xdg-open" on it; when none starts, an "ERROR" box asks for a PDF reader and
// names the manual's file. Without the manual the box says it is not
// installed and where it was looked for.
void ShowTechnicalManual(win::HWND mainWindow);

// The command lines tried, in order, for the manual at this Linux path (the
// path written as one word, CommandLineWord).
[[nodiscard]] std::string ManualCommandLine(int attempt, const std::string& manualPath);
inline constexpr int kManualReaderCount = 3;

inline constexpr const char* kOrderingHelpFile = "\\ZORIN\\plorder.hlp";
inline constexpr const char* kManualFile = "\\plmanual.pdf";
inline constexpr const char* kNoPdfReaderText =
    "A PDF reader program is needed to read the technical manual. Please exit Tarvex and "
    "install a PDF reader.";
inline constexpr const char* kNoPdfReaderCaption = "ERROR";
inline constexpr const char* kManualNotInstalledText = "The technical manual is not installed";
[[nodiscard]] std::string ManualNotInstalledText(const std::string& installFolder,
                                                 const std::string& programFolder);
// The manual's Linux path: in the install folder, else beside the program's
// file; empty when neither holds it.
[[nodiscard]] std::string FindManual(const std::string& installFolder,
                                     const std::string& programFolder);
// The box's text: the request, then where the manual lies, so that the user
// can open it with any reader.
[[nodiscard]] std::string NoPdfReaderText(const std::string& manualPath);
