// The rows of the summary pages' WATER CHEMISTRY block: one ion a line, its
// name followed directly by the caption of its unit, and its value, drawn
// relative to the page text origin (summaryPageState.pageTextX) in multiples
// of the character unit (summaryPageState.charUnit) at the grid's lineY, on
// summaryPageState.drawingDC with the font selected there.
#pragma once

#include <string>

// Items are the numbers of the chemistry-items-hidden flags: cations 0 to 9,
// 11 to 13 and 36 (field iron, hidden with 9); anions 10 and 14 to 24.
namespace ChemistryItem {
enum : int { kFieldIron = 36 };
}

// One row as drawn: the label, the FormatValue7 text of the value, and whether
// the value differs from the one entered (drawn in red). `shown` is false for
// an item outside the painter's table or hidden by its flag: nothing is drawn.
struct ChemistryRowText {
    bool shown = false;
    std::string label;
    std::string value;
    bool highlighted = false;
};
[[nodiscard]] ChemistryRowText CationRowText(int item);
[[nodiscard]] ChemistryRowText AnionRowText(int item);

// Draw the row: label at x0 + 4c and value right-aligned to x0 + 43c for the
// cations; anions at x0 + 52c and x0 + 94c on a landscape page, else x0 + 51c
// and x0 + 90c.
void DrawReportCations(int item);
void DrawReportAnions(int item);
