// After each print, where the PDF file went ("Printed to NAME.pdf in FOLDER"),
// after the program's name on the main window's caption line.
#pragma once

#include <string>

#include "platform/window/win_types.h"

[[nodiscard]] std::string PrintedStatusText(const std::string& pdfPath);
// Follows every document printed from now on on the window's caption line.
void FollowPrintedDocuments(win::HWND mainWindow);
