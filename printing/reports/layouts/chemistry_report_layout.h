// The body of the printed water chemistry report: the cation rows beside the
// anion rows, the parameters with the CO2-H2S corrosion rate, and the
// comments, each row left out when its chemistry print item is hidden. Lines
// count from the first line under the identification block's two blank lines;
// the layout's end line is the line below the body.
#pragma once

#include "printing/reports/printed_water.h"
#include "reporttext/layout/report_layout.h"

// Row codes of the report.
namespace ChemistryRow {
enum : int {
    kCationsHeading = 0,
    kAnionsHeading = 20,
    kParametersHeading = 40,
    kCorrosionHeading = 52,
    kCorrosionRate = 53,
};
}

// One heading or row at `line`: the label starting at `startColumn`, the
// value ending at `endColumn`. A code the table does not know draws nothing.
void PrintChemistryBody(ReportLayout& layout, int line, int startColumn, int endColumn, int row,
                        const PrintedWater& water);

// The whole body; the title is the report's title of the water's kind.
void LayOutChemistryReport(const PrintedWater& water, ReportLayout& layout);

// "SURFACE WATER CHEMISTRY INPUT" and its sisters; "" for kind 3.
[[nodiscard]] const char* ChemistryReportTitle(int kind);
