// The series of the 3D graph: axis values from the ranges, cell values from
// the grid tables.
#include "graphs/threed/threed_series.h"

#include <algorithm>
#include <cmath>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/bands/grid_range.h"
#include "graphs/records.h"
#include "graphs/threed/threed_graph_records.h"
#include "graphs/twod/chart_rules.h"
#include "input/records.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_axis.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/profiles/profile_axis.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

bool IsMixingKind(int16_t kind) {
    return kind >= 0 && kind <= 2;
}

// The pH (or pCO2) row axis of a grid.
void PhAxis(bool mixing, float (&axis)[kThreeDSide]) {
    const bool pco2 = whatIfOptions.varyPco2 != 0;
    const GraphRangeSettings& g = graphRangeSettings;
    const WhatIfSettings& s = whatIfSettings;
    if (mixing) {
        if (pco2)
            BuildGridAxis(g.gridPco2Low, g.gridPco2High, axis);
        else
            BuildGridAxis(g.gridPhLow, g.gridPhHigh, axis);
    } else if (pco2) {
        BuildProfileAxis(s.pco2Low, s.pco2High, axis);
    } else {
        BuildGridAxis(s.phLow, s.phHigh, axis);
    }
}

void PercentAxis(bool innerHeld, float (&axis)[kThreeDSide]) {
    BuildGridAxis(mixingZoneSettings.gridMixLow, mixingZoneSettings.gridMixHigh, axis);
    if (innerHeld) ClampInnerPercents(axis);
}

uint16_t CorrosionClass(double v) {
    const double t = unitCodes.code[UnitItem::kCorrosionRate] == 0 ? 1.0 : 0.0254;
    if (v < t) return 0;
    if (v < 5.0 * t) return 1;
    if (v < 10.0 * t) return 2;
    return 3;
}

uint16_t DoseStatusOf(int cell) {
    if (IsMixingKind(ThreeDGridKind())) return mixGridTables.gridGraphDoseStatus[cell];
    return static_cast<uint16_t>(whatIfResults.grid.doseStatus[cell]);
}

}  // namespace

uint16_t GetSelectedGraphParam(uint16_t& code) {
    const int count = std::min<int>(graphChoice.count, 4);
    if (count < 1) {
        code = 0;
        return code;
    }
    const int position = std::clamp<int>(selectedGraphPosition, 0, count - 1);
    code = static_cast<uint16_t>(graphChoice.codes[position]);
    return code;
}

int16_t ThreeDGridKind() {
    return static_cast<int16_t>(whatIfResults.grid.gridKind);
}

void BuildThreeDAxisValues() {
    const int16_t kind = ThreeDGridKind();
    const GraphRangeSettings& g = graphRangeSettings;
    const WhatIfSettings& s = whatIfSettings;
    switch (kind) {
        case 0:
            PhAxis(true, rowAxisValues);
            BuildGridAxis(g.gridTemperatureLow, g.gridTemperatureHigh, columnAxisValues);
            break;
        case 1:
            PercentAxis(true, rowAxisValues);
            BuildGridAxis(g.gridTemperatureLow, g.gridTemperatureHigh, columnAxisValues);
            break;
        case 2:
            PhAxis(true, rowAxisValues);
            PercentAxis(false, columnAxisValues);
            break;
        case 3:
            BuildProfileAxis(s.pressureLow, s.pressureHigh, rowAxisValues);
            BuildGridAxis(s.temperatureLow, s.temperatureHigh, columnAxisValues);
            break;
        default:
            PhAxis(false, rowAxisValues);
            BuildGridAxis(s.temperatureLow, s.temperatureHigh, columnAxisValues);
            break;
    }
    std::copy(std::begin(columnAxisValues), std::end(columnAxisValues), columnAxisValuesCopy);
}

void BuildThreeDGridValues(uint16_t code) {
    const bool hasValues = GridCodeHasValues(code);
    const bool logForm = displaySettings.indexFormat == 1 && IsLogCode(code);
    for (int a = 0; a < kThreeDSide; ++a) {
        for (int b = 0; b < kThreeDSide; ++b) {
            const int cell = a * kThreeDSide + b;
            const int r = rowOrderNatural == 1 ? a : kThreeDSide - 1 - a;
            const int c = columnOrderNatural == 1 ? b : kThreeDSide - 1 - b;
            const int at = r * kThreeDSide + c;
            double v = hasValues ? GridCellValue(code, cell) : 0.0;
            uint16_t status = 0;
            // A cell not calculated stays no number: it draws no bar and no
            // patch, and the data file writes it as not calculated.
            if (std::isnan(v))
                status = 0;
            else if (!hasValues || code == 40 || code == 41 || code == 90 || code == 91 ||
                     code == 96)
                status = code == 40 || code == 41 ? cellStatus[at] : 0;
            else if (code == 94 || code == 95)
                status = CorrosionClass(v);
            else
                status = DoseStatusOf(cell);
            if (logForm && !std::isnan(v))
                v = logRangeUndefined != 0 ? 0.0 : (v > 0.0 ? std::log10(v) : 0.0);
            gridValues[at] = v;
            cellStatus[at] = status;
        }
    }
}
