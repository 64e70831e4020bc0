// Painting a layout on a page: each item at its cell, labels and values
// through TextOutSubSup, rules as they stand, every text on an opaque white
// background so that a later item covers what an earlier one drew.
#pragma once

#include "platform/window/win_types.h"
#include "reporttext/layout/report_layout.h"

// Paints the layout with its line 0 at client y `firstLineY`, column c at
// x = c x `cellWidth` and line n at y = `firstLineY` + n x `lineHeight`, in the
// font selected into the device context. The text colour is black again
// afterwards. Returns the y below the last line (the layout's end line).
int PaintReportLayout(win::HDC hdc, const ReportLayout& layout, int firstLineY, int cellWidth,
                      int lineHeight);

// The same for the items of lines [fromLine, toLine) only (a block redrawn in
// place).
void PaintReportLines(win::HDC hdc, const ReportLayout& layout, int fromLine, int toLine,
                      int firstLineY, int cellWidth, int lineHeight);
