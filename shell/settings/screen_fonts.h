// The screen fonts of the result pages, printed reports and one-page pages,
// sized so that the chosen number of text lines fills the desktop height.
#pragma once

#include "platform/window/win_types.h"

// Makes pageFont, pageFontBold and summaryFontBold from linesPerScreen and the
// desktop height (deleting the fonts made before), and sets the line pitch of
// ReportPageGrid from pageFont measured on `window`'s device context.
void MakeScreenFonts(win::HWND window);

// tmHeight + tmHeight / 12 + internal and external leading.
[[nodiscard]] int LinePitch(int tmHeight, int internalLeading, int externalLeading);
