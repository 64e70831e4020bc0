// GetGraphGridRange: the cell values of an index, their range and the
// drawing order of the grid.
#include "graphs/bands/grid_range.h"

#include <cmath>
#include <limits>

#include "graphs/records.h"
#include "graphs/twod/chart_rules.h"
#include "reporttext/format/precipitation_display.h"
#include "scenarios/frame/point_marks.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

constexpr uint16_t kFirstExcessCode = 100;
constexpr uint16_t kLastExcessCode = kFirstExcessCode + kIndicatorRowValues - 1;  // 137
constexpr double kNoLogValue = -99.0;

bool IsMixingGrid() {
    return whatIfResults.grid.gridKind <= MixGridKind::kPhByPercent;
}

// The log index applies to values read from the result record.
bool LogFormOf(uint16_t code) {
    if (displaySettings.indexFormat != 1 || code >= kResultRowValues || code == 40 || code == 41)
        return false;
    return IsLogCode(code) || code >= 63;
}

double LogOf(double v) {
    if (v > 0.0) return std::log10(v);
    logRangeUndefined = 1;
    return kNoLogValue;
}

}  // namespace

bool GridCodeHasValues(uint16_t code) {
    if (code < kResultRowValues) return true;
    if (code >= 89 && code <= 91) return true;
    if (code >= 94 && code <= 96) return true;
    return code >= kFirstExcessCode && code <= kLastExcessCode;
}

float GridCellValue(uint16_t code, int cell) {
    const GridTable& g = whatIfResults.grid;
    if (code == 40) return g.analysis[cell][15];
    // A cell not calculated has no value to draw: it is no number, left out
    // of the bars, the range and the data file.
    if (GridCellNotCalculated(g, cell)) return std::numeric_limits<float>::quiet_NaN();
    switch (code) {
        case 41:
            return g.analysis[cell][0];
        case 89:
            return IsMixingGrid() ? mixGridTables.gridGraphDose[cell] : g.dose[cell];
        case 90:
            return g.acidDose[cell];
        case 91:
            return g.alkaliDose[cell];
        case 94:
            return g.corrosion[cell][0];
        case 95:
            return g.corrosion[cell][3];
        case 96:
            return g.corrosion[cell][2];
        default:
            break;
    }
    if (code < kResultRowValues) return g.results[cell][code];
    if (code >= kFirstExcessCode && code <= kLastExcessCode)
        return PrecipitationInDisplayUnit(g.excess[cell][code - kFirstExcessCode]);
    return 0.0f;
}

void GetGraphGridRange(double (&range)[2], uint16_t code, uint16_t& rowOrderNatural,
                       uint16_t& columnOrderNatural) {
    logRangeUndefined = 0;
    // Rows 0 to 3, rows 3 to 6, columns 0 to 3, columns 3 to 6: the middle row
    // and column count in both halves.
    double nearRows = 0.0, farRows = 0.0, nearColumns = 0.0, farColumns = 0.0;
    if (GridCodeHasValues(code)) {
        // The cells not calculated take no part; with none calculated the
        // range is 0 to 0.
        bool any = false;
        double low = 0.0, high = 0.0;
        for (int cell = 0; cell < kGridCells; ++cell) {
            const double v = GridCellValue(code, cell);
            if (std::isnan(v)) continue;
            if (!any || v < low) low = v;
            if (!any || v > high) high = v;
            any = true;
            const int row = cell / kGridAxisPoints;
            const int column = cell % kGridAxisPoints;
            if (row <= 3) nearRows += v;
            if (row >= 3) farRows += v;
            if (column <= 3) nearColumns += v;
            if (column >= 3) farColumns += v;
        }
        if (LogFormOf(code)) {
            low = LogOf(low);
            high = LogOf(high);
        }
        range[0] = low;
        range[1] = high;
    }
    if (gridOrientationSet == 0) {
        rowOrderNatural = !(farRows > nearRows) ? 1 : 0;
        columnOrderNatural = !(farColumns > nearColumns) ? 1 : 0;
        gridOrientationSet = 1;
    }
}
