// GetIndexColorBands: the threshold table, first matching row first.
#include "graphs/bands/index_bands.h"

#include <cmath>

#include "common/unit_codes.h"
#include "engine/records.h"
#include "graphs/twod/chart_rules.h"
#include "shell/mainwindow/display_settings_records.h"

namespace {

struct Row {
    uint16_t direction;
    double t[4];
};

bool RisingMineral(int code) {
    switch (code) {
        case 22:
        case 19:
        case 3:
        case 5:
        case 36:
        case 21:
        case 37:
        case 20:
        case 24:
        case 26:
            return true;
        default:
            return code < 7;
    }
}

Row RowOf(int code) {
    if (code == 2) return {1, {0.95, 1.05, 1.15, 1.25}};
    if (RisingMineral(code)) return {1, {1.0, 1.2, 2.0, 5.0}};
    if (code == 32) return {1, {0.95, 1.0, 1.1, 1.2}};
    if (code == 10 || code == 42 || code == 43 || code == 18) return {1, {0.0, 0.2, 0.8, 1.2}};
    if (code == 11 || code == 31) return {0, {7.0, 6.0, 5.0, 4.0}};
    if (code == 40 || code == 41) return {1, {999.0, 999.0, 999.0, 999.0}};
    if (code == 114) return {1, {0.0, 10.0, 30.0, 40.0}};
    if (code >= 94 && code <= 96) {
        if (unitCodes.code[UnitItem::kCorrosionRate] == 0) return {1, {2.0, 5.0, 10.0, 10.0}};
        return {1, {0.1, 0.25, 0.5, 0.5}};
    }
    if (code > 99) return {1, {0.0, 0.05, 0.2, 0.5}};
    return {1, {0.85, 0.95, 1.0, 1.1}};
}

}  // namespace

void GetIndexColorBands(uint16_t code, uint16_t& outCode, uint16_t& direction,
                        double (&thresholds)[4]) {
    outCode = code;
    const Row row = RowOf(code);
    direction = row.direction;
    const bool logged = displaySettings.indexFormat == 1 && IsLogCode(code);
    for (int i = 0; i < 4; ++i)
        thresholds[i] = !logged ? row.t[i] : (row.t[i] > 0.0 ? std::log10(row.t[i]) : 999.0);
}

int IndexBandOf(uint16_t direction, const double (&thresholds)[4], double value) {
    int band = 1;
    for (double t : thresholds) {
        const bool past = direction != 0 ? value >= t : value <= t;
        if (!past) break;
        ++band;
    }
    return band;
}
