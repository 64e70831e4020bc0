// The printed tables of the multi-mix source waters, one column per source
// water in groups of seven (one page per group): the chemistry table and the
// indicator table's two page kinds. Each page's layout opens with the column
// head (the column rule with "% BY WEIGHT", then the first heading with each
// water's weight percent); a printer adds the centring offset to every x.
#pragma once

#include "reporttext/layout/report_layout.h"

// Groups of seven source waters (1 for seven or fewer, also for none).
[[nodiscard]] int MixTableGroups();
// Columns of group g (1 to 7).
[[nodiscard]] int MixGroupColumns(int group);
// The centring offset in device units: 4 x (7 - columns) character widths less
// the margin, 0 when that is negative.
[[nodiscard]] int MixTableOffset(int columns, int charWidth, int marginX);

// The chemistry table of group g. `head` is drawn at the page's plain pitch,
// `rows` at the row pitch.
struct MixTablePage {
    ReportLayout head;
    ReportLayout rows;
};
void LayOutMixChemistryTable(int group, MixTablePage& page);

// The indicator table's pages of group g: first kind saturation and simple
// indices, second kind ions and excess. False when the kind's sections are
// all switched off (no page).
bool LayOutMixSaturationPage(int group, MixTablePage& page);
bool LayOutMixIonsPage(int group, MixTablePage& page);

inline constexpr const char* kMixChemistryTableTitle = "CHEMISTRY OF WATER SOURCES MIXED";
inline constexpr const char* kMixIndicatorsTableTitle =
    "DEPOSITION INDICATORS OF SOURCE WATERS MIXED";
