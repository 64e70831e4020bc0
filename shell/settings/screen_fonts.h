// The screen fonts of the result pages, printed reports and one-page pages,
// sized so that the chosen number of text lines fills the desktop height.
#pragma once

#include "platform/window/win_types.h"

// Makes pageFont, pageFontBold and summaryFontBold from linesPerScreen and the
// desktop height (deleting the fonts made before), and sets the line pitch of
// ReportPageGrid from pageFont measured on `window`'s device context.
void MakeScreenFonts(win::HWND window);

// Makes pageFont again from linesPerScreen and the desktop height (the
// printout size dialog's OK); the other fonts keep their size. A font that
// cannot be made leaves the stock OEM fixed font, and fontsMade 0.
void RemakePageFont();

// tmHeight + tmHeight / 12 + internal and external leading.
[[nodiscard]] int LinePitch(int tmHeight, int internalLeading, int externalLeading);
