// Rules of underscores and the user's heading lines on a report page.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

// Longest rule drawn or measured.
constexpr int kMaxRuleColumns = 254;

// Width of min(count, 254) underscores in boldFont.
[[nodiscard]] uint16_t GetUnderscoresWidth(win::HDC dc, int count);
// Draws min(count, 254) underscores in boldFont at (marginX, lineY); the line
// does not advance. Returns their width.
uint16_t PrintRule(win::HDC dc, int count);

// The heading file's title line centred right of the logo (and, with the "@@"
// marker, the two subtitle lines under it). Returns 0.
int PrintReportHeading(win::HDC dc);
// The heading file's two subtitle lines centred on the text width, closed by a
// rule when the marker is absent. Returns 0.
int PrintReportSubheadings(win::HDC dc);

// Advances the current line by `lines` lines of lineHeight.
void AdvanceLines(int lines);
// x of column `column` of the grid.
[[nodiscard]] int ColumnX(int column);
