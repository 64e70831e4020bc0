// What one bar chart shows, by its index code and the profile on show: the
// value of each bar, the title and captions, and each bar's colour (the
// severity band of its value, or the treatment status of its point).
#pragma once

#include <cstdint>

#include "graphs/two_d_graph_records.h"

// The profile a chart reads. The 2D window's kinds are those of
// graphProfileKind; the one-page summary page paints in a mode of its own,
// which reads the 12-station well-log profile; the well-log summary page
// reads the after-flash profile of 12 stations, the well-log summary graph
// that of 49.
namespace ChartKind {
enum : int {
    kTemperature = 1,
    kPh = 2,
    kMixing = 3,
    kPressure = 4,
    kGridPressure = 5,
    kWell = 6,
    kReportPage = 100,
    kWellPage = 101,
    kWellSummary = 102
};
}

// The rows of the profile behind a chart, whatever table holds them.
struct ChartTables {
    int rows = 0;  // rows the tables hold; points past them read 0
    const float (*analysis)[64] = nullptr;
    const float (*results)[64] = nullptr;
    const float (*excess)[38] = nullptr;
    const float (*corrosion)[10] = nullptr;
    const float* acidDose = nullptr;
    const float* alkaliDose = nullptr;
    const float* dose = nullptr;
};
[[nodiscard]] ChartTables TablesOfKind(int kind);

// The treatment status row used for colours: by kind, or the mixing
// profile's when `mixingRules` is set. Points past the table read -1.
void StatusRowOfKind(int kind, bool mixingRules, int32_t (&status)[kGraphPoints]);

// " \xB0F", " \xB0C" or " \xB0K" by the temperature unit; empty for another unit.
[[nodiscard]] const char* GraphTemperatureUnit();

// The codes with no value source or title of their own: the product name
// and no bars.
[[nodiscard]] bool IsUnlistedCode(int code);
// The 18 codes shown as a base-10 logarithm under the log index format.
[[nodiscard]] bool IsLogCode(int code);
// The mineral codes (codes below 50 other than the index codes, and 62).
[[nodiscard]] bool IsMineralCode(int code);

// Step 1: the values of `count` points into `values`; returns true when a
// value to be shown as a log index was 0 or below (the chart then draws no
// bars). `logIndex` is indexFormat == 1; the report page logs iron sulfide
// (44) too.
bool ReadChartValues(int code, int kind, int count, bool logIndex, double* values);

// Steps 2 and 4: the title and left caption of the chart.
struct ChartTexts {
    char title[kAxisTitleChars];
    char caption[kAxisTitleChars];
};
// The title by the code alone (a mineral's name or formula, an index's name,
// the product's name), with the captions of dose and corrosion codes.
[[nodiscard]] ChartTexts ChartNamedTitle(int code, bool reportPage);
// `mixingWording` selects the mixing rule set's endings and captions.
[[nodiscard]] ChartTexts ChartTitles(int code, bool mixingWording, bool reportPage);

// Step 5: the colour index (1, 2, 14, 5 or 4) of each of `count` bars into
// `colours`, and pointFlags for the decided ones. Colours start at 1.
struct BandRules {
    bool mixing = false;    // the mixing rule set (the graph versus the mixing ratio)
    bool logIndex = false;  // indexFormat == 1 under the general rule set
    bool treated = false;   // treatedIndex and treatedColorCoding both set
};
void ChartColours(int code, const double* values, int count, const BandRules& rules,
                  const int32_t (&status)[kGraphPoints], int (&colours)[kGraphPoints],
                  int32_t (&pointFlags)[kGraphPoints]);

// The colour of one value by the bands of its code (no treatment), or 0 when
// the code's colour does not come from its value.
[[nodiscard]] int BandColour(int code, double v, const BandRules& rules);

// The bands and texts the chart rules share with the well-log rules.
// Five bands rising: below t0 1, below t1 2, below t2 14, below t3 5, else 4.
[[nodiscard]] int RisingBand(double v, double t0, double t1, double t2, double t3);
// The same bands, each including its upper bound.
[[nodiscard]] int RisingBandUpTo(double v, double t0, double t1, double t2, double t3);
// The falling bands of the RSI and PSI: above 7 1, above 6 2, above 5 14,
// above 4 5, else 4.
[[nodiscard]] int FallingIndexBand(double v);
// Corrosion rates in multiples of the unit's factor: below 1 1, below 5
// `second`, below 10 5, else 4.
[[nodiscard]] int CorrosionRateBand(double v, double factor, int second);
// Status colours of treated points: 0 -> 1, 1 -> 14, 2 -> 4, 3 -> 5; 0 for
// a status that decides nothing.
[[nodiscard]] int StatusColour(int32_t status);
// 1 for rates in mpy, 0.0254 for mm/yr.
[[nodiscard]] double CorrosionFactor();
// The mode of the first product.
[[nodiscard]] int ProductMode();
// A title or caption set to, or extended by, a text (cut to its buffer).
void SetChartText(char* text, const char* value);
void AppendChartText(char* text, const char* more);
