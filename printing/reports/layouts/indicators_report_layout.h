// The body of the printed deposition potential indicators report: saturation
// beside free-ion momentary excess, simple indices beside bound ions, and the
// treatment recommendation beside the operating conditions, each row left out
// when its indicator print item is hidden. Lines count from the first line
// under the identification block's two blank lines; the layout's end line is
// the line below the body.
#pragma once

#include <vector>

#include "printing/reports/printed_water.h"
#include "reporttext/layout/report_layout.h"

// Sections of the body.
namespace IndicatorSection {
enum : int {
    kSaturation = 1,
    kSimpleIndices = 2,
    kTreatment = 3,
    kBoundIons = 4,
    kExcess = 5,
    kConditions = 6,
};
}

// What the body reads of a water.
struct IndicatorSource {
    const float* saturation = nullptr;  // 64 SaturationResults
    const float* excess = nullptr;      // 22 MomentaryExcess
    float temperature = 0.0f;           // values element 15
    float treatmentFigure = 0.0f;       // the water's own stored dose or rate
    float residenceSeconds = 0.0f;      // printed only with residenceTimeShown
};

[[nodiscard]] IndicatorSource IndicatorSourceOf(const WaterView& view);

// One heading (item -1) or row of a section: a label starts at `col1`, a
// value ends at `col2`, the free amount of a bound ion and "FREE" at `col3`.
// An unknown section or item draws nothing.
void PrintIndicatorsBody(ReportLayout& layout, int line, int col1, int col2, int col3, int section,
                         int item, const IndicatorSource& source);

// The shown rows of each section, in printing order.
struct IndicatorLists {
    std::vector<int> saturation;  // items 0 to 21 (21 calcium oxalate, after strontianite)
    std::vector<int> excess;
    std::vector<int> simple;
    std::vector<int> bound;
};
// `withOxalate` adds calcium oxalate after strontianite (flags 53 and 54).
[[nodiscard]] IndicatorLists ShownIndicatorLists(bool withOxalate = true);

// Whether the third block holds the operating conditions alone.
[[nodiscard]] bool ConditionsAlone();

void LayOutIndicatorsReport(const PrintedWater& water, ReportLayout& layout);

// The multi-mix blend's summary page: the same blocks without the calcium
// oxalate rows, the operating-condition rows at column 43 beside a product,
// the blend's own stored treatment figure.
void LayOutMixIndicatorsReport(const WaterView& blend, ReportLayout& layout);
inline constexpr const char* kMixIndicatorsTitle = "MIXED WATER DEPOSITION POTENTIAL INDICATORS";

// "SURFACE WATER" and its sisters above "DEPOSITION POTENTIAL INDICATORS";
// "" for kind 3 and any other kind, which print no title.
[[nodiscard]] const char* IndicatorsReportTitle(int kind);
inline constexpr const char* kIndicatorsSecondTitle = "DEPOSITION POTENTIAL INDICATORS";
