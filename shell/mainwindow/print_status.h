// After each print, where the PDF file went ("Printed to NAME.pdf in FOLDER"),
// after the program's name on the main window's caption line.
#pragma once

#include <string>

#include "platform/window/win_types.h"

[[nodiscard]] std::string PrintedStatusText(const std::string& pdfPath);
// Follows every document printed from now on on the window's caption line.
void FollowPrintedDocuments(win::HWND mainWindow);
// The caption line back to the program's name alone: the workspace the last
// print came from was saved, replaced or opened anew.
void ForgetPrintedDocument(win::HWND mainWindow);
