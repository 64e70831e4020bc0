// The parts the profile pages share: the identification line of the water
// the profile was made from, the axis header over the seven point columns,
// and the value cells.
#pragma once

#include <string>
#include <vector>

#include "reporttext/layout/report_layout.h"
#include "reporttext/profilepages/profile_view.h"

inline constexpr win::COLORREF kInjectionBlue = win::RGB(0, 0, 127);
inline constexpr win::COLORREF kFormationRed = win::RGB(127, 0, 0);

// The page's line L is layout line L - 1.
inline int ProfileLine(int pageLine) {
    return pageLine - 1;
}
inline int PointColumn(int k) {
    return 24 + 8 * k;
}

// Line 1: the surface water's identification (the injection water's on the
// mixing-ratio pages).
void AddProfileIdentification(ReportLayout& layout, int profile);

// The rule of line 3 with the axis label over it, and the axis values on
// line 4 (on the mixing-ratio pages the injection percents on line 4 and the
// formation percents on line 5).
void AddProfileAxis(ReportLayout& layout, const ProfileViewRecord& view);

// The pCO2 of the seven points, and their headings: each pCO2 to three
// significant figures ("0.00340", "0.0234"), with more digits where that
// would not tell it from a neighbour; the page, its copy and its print show
// them.
[[nodiscard]] std::vector<double> ProfilePco2Values(const ProfileViewRecord& view);
[[nodiscard]] std::vector<std::string> Pco2Headings(const ProfileViewRecord& view);

// The column of a row label: column 4, the column of every row, a long label
// running into the first cell's padding (which the page and its copy leave
// standing); only a label that would reach the first value's digits starts
// as far left as keeps a blank before them (or ends at the cell's edge).
[[nodiscard]] int PointRowLabelColumn(const std::string& label, const std::string& firstValue);

// "%7.Nf" of each point's value at its column, cut to a cell.
template <typename F>
void AddPointRow(ReportLayout& layout, int pageLine, const std::string& label, F value) {
    layout.AddText(ProfileLine(pageLine), PointRowLabelColumn(label, value(0)), label);
    for (int k = 0; k < kProfileViewPoints; ++k)
        layout.AddValue(ProfileLine(pageLine), PointColumn(k), value(k));
}
