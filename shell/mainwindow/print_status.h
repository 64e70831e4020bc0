// The status line at the foot of the main window: after each print, where the
// PDF file went ("Printed to NAME.pdf in FOLDER").
#pragma once

#include <string>

#include "platform/window/win_types.h"

[[nodiscard]] std::string PrintedStatusText(const std::string& pdfPath);
// Follows every document printed from now on in the window's status line.
void FollowPrintedDocuments(win::HWND mainWindow);
// Draws the status line over the foot of the client area (nothing before the
// first print).
void PaintPrintStatus(win::HDC dc, const win::RECT& client);
