// Two small routines of the dose: the column of a mineral in the per-mineral
// tables, and the time a recirculating system needs to reach a concentration ratio.
#include "engine/dose/inhibitor_dose.h"
#include "engine/records.h"

int32_t MapMineralCode(int16_t indexCode) {
    switch (indexCode) {
        case 0:
            return 0;
        case 1:
            return 1;
        case 2:
            return 15;
        case 3:
            return 10;
        case 4:
            return 6;
        case 7:
            return 5;
        case 10:
            return 17;
        case 11:
            return 18;
        case 12:
            return 13;
        case 18:
            return 22;
        case 19:
            return 5;
        case 20:
            return 16;
        case 21:
            return 8;
        case 22:
            return 2;
        case 23:
            return 14;
        case 24:
            return 3;
        case 25:
            return 4;
        case 26:
            return 12;
        case 31:
            return 19;
        case 36:
            return 11;
        case 37:
            return 9;
        case 42:
            return 21;
        case 43:
            return 20;
        default:
            return 0;
    }
}

// A = e f / 100 is the make-up share and B = (c - b) d / 10 x f / 100 the
// level-driven share of the system's turnover. Up to a ratio of 1 the time is one
// turnover, V / (A + B + g); above it, the half-life 0.693 V / (B / (r - 1)).
void CalcRatioTime(const RecirculationSystem& s, uint16_t temperatureUnit, float ratio,
                   float* result) {
    if (result == nullptr) return;
    const double a = static_cast<double>(s.secondPercent) * s.firstPercent / 100.0;
    const double b =
        (static_cast<double>(s.highLevel) - s.lowLevel) * s.rate / 10.0 * s.firstPercent / 100.0;
    double time;
    if (ratio <= 1.0f) {
        const double turnover = a + b + s.offset;
        time = turnover > 0.0 ? s.volume / turnover : 0.0;
    } else {
        const double divisor = b / (ratio - 1.0);
        time = divisor > 0.0 ? 0.693 * s.volume / divisor : ratio;
    }
    if (temperatureUnit == TemperatureUnit::kFahrenheit) time /= 60.0;
    *result = static_cast<float>(time * 7200.0);
}

void CalcRatioTime(float ratio, float* result) {
    CalcRatioTime(recirculationSystem, unitCodes.code[UnitItem::kTemperature], ratio, result);
}
