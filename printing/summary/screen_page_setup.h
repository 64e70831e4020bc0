// The summary pages' set-ups for a window or a metafile: the report fonts and
// the page grid sized to the window's client area instead of a printer page.
#pragma once

#include "platform/window/win_types.h"

// Fonts of height = window height / heightDivisor (68 when 0), made smaller
// until an average character fits the width over widthColumns (no limit when
// 0); the seven fonts go into screenReportFonts, the measuring pageFont stays
// selected in `dc` (ReleaseScreenPageFont takes it out). The page metrics and
// the grid follow the window; the logo is measured. Result 0. The landscape
// routine takes the rectangle's sides as magnitudes, the portrait one as they
// come.
int CreateLandscapePageFonts(win::HDC dc, win::HWND window, int heightDivisor, int widthColumns);
int CreatePortraitPageFonts(win::HDC dc, win::HWND window, int heightDivisor, int widthColumns);

// The character unit c of the summary pages in the font selected in `dc`: the
// mean advance of the 26 small letters. The faces here report an average over
// all their glyphs as tmAveCharWidth, wider than the letters' mean the page's
// columns were laid out in; measured on the letters the page fits its sheet.
// tmAveCharWidth when the letters cannot be measured.
[[nodiscard]] int PageCharacterUnit(win::HDC dc);

// Selects the font the set-up replaced back into `dc` and deletes pageFont.
void ReleaseScreenPageFont(win::HDC dc);

// Deletes every screen report font (the program's end, and tests).
void DeleteScreenReportFonts();
