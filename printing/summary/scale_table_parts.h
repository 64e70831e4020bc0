// What the two summary pages' SCALE AND CORROSION POTENTIAL tables share: the
// title, the column heads, a mineral column's cells, the captions and the
// footnotes. Each page places its own columns and rows around them.
#pragma once

#include <span>
#include <string>

#include "printing/summary/one_page_layout.h"
#include "printing/summary/summary_page.h"
#include "printing/summary/summary_records.h"

namespace summarypage {

// The title from no higher than earliestTop, ruled from x1 to x2 in the
// heading font; then the body font, and lineY down to the column heads after a
// gap of a whole line (else half of one) and the line itself.
void ScaleTableTitle(const Page& p, int earliestTop, int x1, int x2, bool wholeLineGap);

// The heads over two lines: " Temp." at xT and " Press." at xP (none for -1)
// over their units, and each mineral column's name over its formula, centred
// from edges[k] to edges[k + 1] (edges holds one more than columns).
void ScaleTableHeads(const Page& p, int xT, int xP, std::span<const PageColumn> columns,
                     const int* edges);

// The cells of mineral column k at x on the current line: the saturation, then
// the momentary excess; in columns 0 (calcite) and 5 (siderite) the
// precipitation display choice shows the precipitation potential instead, or
// both side by side.
void MineralCells(const Page& p, int x, int k, const PageColumn& column, const float* results,
                  const float* excess);

// The rule under the rows, the caption lines under the columns and the rule
// under them, from x1 to x2; lineY ends on the last rule's line.
void ScaleTableCaptions(const Page& p, const ScaleTableColumns& columns, int x1, int x2);

// The two footnotes in the footnote colour, centred from x1 to x2, then the
// stations' conditions (StationConditionsNote) and a line of space under them.
void ScaleTableFootnotes(const Page& p, int x1, int x2, const std::string& first,
                         const std::string& conditions);
// The stations' conditions alone, where a page shows no footnotes.
void ScaleTableConditions(const Page& p, int x1, int x2, const std::string& conditions);

}  // namespace summarypage
