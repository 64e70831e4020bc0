// Converting the typed settings when the units change. The what-if profiles,
// the 3D grids and the well profile then run over the same conditions as
// before, written in the new units.
#include "input/units/settings_unit_change.h"

#include <cstring>
#include <map>

#include "common/settings_ranges.h"
#include "engine/inputs/engine_unit_factors.h"
#include "input/units/unit_change.h"

namespace {

enum class Quantity { kTemperature, kPressure, kPartialPressure, kWellTemperature, kWellPressure };

unsigned UnitOf(Quantity q, const UnitCodes& units) {
    switch (q) {
        case Quantity::kTemperature:
        case Quantity::kWellTemperature:
            return units.code[UnitItem::kTemperature];
        case Quantity::kPressure:
        case Quantity::kWellPressure:
            return units.code[UnitItem::kPressure];
        default:
            return units.code[UnitItem::kGasCo2];
    }
}

// What the dialogs take of each quantity in `unit`.
SettingRange RangeOf(Quantity q, uint16_t unit) {
    switch (q) {
        case Quantity::kTemperature:
            return SettingRanges::Temperature(unit);
        case Quantity::kPressure:
            return SettingRanges::Pressure(unit);
        case Quantity::kWellTemperature:
            return SettingRanges::WellTemperature(unit);
        case Quantity::kWellPressure:
            return SettingRanges::WellPressure(unit);
        default:
            return SettingRanges::Pco2(unit);
    }
}

// A number converted to just past an end of the new unit's range (1 atm is
// 14.6959 psia, below the 14.7 the dialogs take) is held at that end.
float WithinRange(double v, Quantity q, uint16_t unit) {
    const SettingRange r = RangeOf(q, unit);
    const float low = static_cast<float>(r.low), high = static_cast<float>(r.high);
    if (r.lowIncluded && v < low) return low;
    if (v > high) return high;
    return static_cast<float>(v);
}

// ppm in the gas and mole % are shares of the total pressure.
constexpr unsigned kFirstShareOfGas = 4;

// `value` in unit `from` of its quantity, in unit `to`; a share of the gas
// with no total pressure to read it against stays as it is.
double Convert(Quantity q, double value, unsigned from, unsigned to, double totalBar) {
    switch (q) {
        case Quantity::kTemperature:
        case Quantity::kWellTemperature:
            return ConvertTemperature(value, from, to);
        case Quantity::kPressure:
        case Quantity::kWellPressure:
            return PsiaToPressureUnit(PressureToPsia(value, from), to);
        default:
            if ((from >= kFirstShareOfGas || to >= kFirstShareOfGas) && totalBar <= 0.0)
                return value;
            return AtmToPartialPressureUnit(PartialPressureToAtm(value, from, totalBar), to,
                                            totalBar);
    }
}

// What one setting held before its first change of units, and what the last
// change left in it.
struct Remembered {
    double value = 0.0;
    unsigned unit = 0;
    float last = 0.0f;
    unsigned lastUnit = 0;
};
std::map<const float*, Remembered>& Memory() {
    static std::map<const float*, Remembered> memory;
    return memory;
}

bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct Change {
    const UnitCodes& before;
    const UnitCodes& after;
};

void ConvertSetting(float& v, Quantity q, const Change& c, double totalBar = 0.0) {
    const unsigned from = UnitOf(q, c.before), to = UnitOf(q, c.after);
    if (from == to) return;
    auto [at, added] = Memory().try_emplace(&v);
    Remembered& m = at->second;
    // A number edited since the last change, or one that change did not
    // leave, starts again from what it holds.
    if (added || m.lastUnit != from || !SameBits(v, m.last)) {
        m.value = v;
        m.unit = from;
    }
    v = m.unit == to
            ? static_cast<float>(m.value)
            : WithinRange(Convert(q, m.value, m.unit, to, totalBar), q, static_cast<uint16_t>(to));
    m.last = v;
    m.lastUnit = to;
}

void ConvertTriple(float& low, float& high, float& eval, Quantity q, const Change& c,
                   double totalBar = 0.0) {
    for (float* v : {&low, &high, &eval}) ConvertSetting(*v, q, c, totalBar);
}

// The evaluation pressure in bar, in the pressure unit before the change: the
// total a pCO2 share of the gas is read against.
double TotalBar(float pressure, const UnitCodes& before) {
    return PressureToPsia(pressure, before.code[UnitItem::kPressure]) * kBarPerPsia;
}

}  // namespace

void ConvertSettingsUnits(const UnitCodes& before, const UnitCodes& after, WhatIfSettings& whatIf,
                          GraphRangeSettings& graph, WellLogSpecs& wellLog) {
    const Change c{before, after};
    WhatIfSettings& w = whatIf;
    ConvertTriple(w.pco2Low, w.pco2High, w.pco2Eval, Quantity::kPartialPressure, c,
                  TotalBar(w.pressureEval, before));
    ConvertTriple(w.pressureLow, w.pressureHigh, w.pressureEval, Quantity::kPressure, c);
    ConvertTriple(w.temperatureLow, w.temperatureHigh, w.temperatureEval, Quantity::kTemperature,
                  c);
    GraphRangeSettings& g = graph;
    ConvertTriple(g.gridPco2Low, g.gridPco2High, g.gridPco2Eval, Quantity::kPartialPressure, c,
                  TotalBar(g.gridPressureEval, before));
    ConvertTriple(g.gridPressureLow, g.gridPressureHigh, g.gridPressureEval, Quantity::kPressure,
                  c);
    ConvertTriple(g.gridTemperatureLow, g.gridTemperatureHigh, g.gridTemperatureEval,
                  Quantity::kTemperature, c);
    // The well's bottom-hole, separator and flashed temperatures, then its
    // pressures at the same three stations.
    for (int k = 0; k < 3; ++k) {
        ConvertSetting(wellLog.value[k], Quantity::kWellTemperature, c);
        ConvertSetting(wellLog.value[3 + k], Quantity::kWellPressure, c);
    }
}
