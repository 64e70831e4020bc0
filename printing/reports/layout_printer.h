// The printer renderer of layouts: draws a report layout on the printer page
// at the current line of the report grid, with the grid's line pitch.
#pragma once

#include "platform/window/win_types.h"
#include "reporttext/layout/report_layout.h"

// Draws every item through TextOutSubSup in its font (rules as they stand): a
// text starts at x = marginX + column x charWidth, a value that ends at its
// column is measured and placed to end there. Line n is drawn at
// lineY + n x lineHeight; afterwards the current line is the layout's end
// line (lineY and lineCount advanced) and bodyFont is selected. Every x is
// moved right by `xOffset` device units (the centred multi-mix tables).
void PrintLayoutOnPage(win::HDC dc, const ReportLayout& layout, int xOffset = 0);
