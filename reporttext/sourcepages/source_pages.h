// The layouts of the multi-mix source-water pages: the chemistry of every
// source water ("DisplayMixedWater") and its indicators ("DisplayMixedValues"),
// one column per source under its weight percent. Layout line 0 is the pages'
// line 1.
#pragma once

#include "reporttext/layout/report_layout.h"
#include "reporttext/report/report_builders.h"
#include "reporttext/sourcepages/source_view.h"

void BuildSourceChemistryPage(const ReportSource& source, ReportLayout& layout);
void BuildSourceIndicatorsPage(const ReportSource& source, ReportLayout& layout);

inline constexpr const char* kSourceChemistryTitle = "CHEMISTRY OF WATER SOURCES MIXED";
inline constexpr const char* kSourceIndicatorsTitle =
    "DEPOSITION POTENTIAL INDICATORS OF SOURCE WATERS";
inline constexpr win::COLORREF kWeightBlue = win::RGB(0, 0, 127);

// The page's line L is layout line L - 1.
inline int SourceLine(int pageLine) {
    return pageLine - 1;
}

// Line 1, the identification: the multi-mix date as both dates (the report
// date of the main window while none is kept), with the blend's sample number
// and time.
void AddSourceIdentification(ReportLayout& layout);
// Line 2: the ID typed for each source water over its column, cut to the
// column's 7 characters.
void AddSourceIds(ReportLayout& layout, const SourceViewRecord& view);
// Line 3, the column rule with " WEIGHT % " over it, and line 4, the weights.
void AddWeightAxis(ReportLayout& layout, const SourceViewRecord& view);

// A row: the label at cell 4 and each source's cell.
template <typename F>
void AddSourceRow(ReportLayout& layout, const SourceViewRecord& view, int pageLine,
                  const std::string& label, F value) {
    layout.AddText(SourceLine(pageLine), 4, label);
    for (int k = 0; k < view.count; ++k)
        layout.AddValue(SourceLine(pageLine), SourceColumnCell(k), value(view.columns[k]));
}
