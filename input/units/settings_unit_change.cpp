// Converting the typed settings when the units change. The what-if profiles,
// the 3D grids and the well profile then run over the same conditions as
// before, written in the new units.
#include "input/units/settings_unit_change.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include "common/settings_ranges.h"
#include "engine/inputs/engine_unit_factors.h"
#include "input/fields/decimal_field.h"
#include "input/units/unit_change.h"
#include "input/whatif/whatif_fields.h"

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

// ppm in the gas and mole % are shares of the total pressure.
constexpr unsigned kFirstShareOfGas = 4;

SettingQuantity QuantityOf(Quantity q) {
    switch (q) {
        case Quantity::kTemperature:
            return SettingQuantity::kTemperature;
        case Quantity::kPressure:
            return SettingQuantity::kPressure;
        case Quantity::kWellTemperature:
            return SettingQuantity::kWellTemperature;
        case Quantity::kWellPressure:
            return SettingQuantity::kWellPressure;
        default:
            return SettingQuantity::kPco2;
    }
}

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
    v = static_cast<float>(m.unit == to ? m.value : Convert(q, m.value, m.unit, to, totalBar));
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

// The settings a change of units converts, named as their dialogs name them.
struct NamedSetting {
    const char* name;
    Quantity quantity;
    float value;
    double totalBar;
};

std::string Number(double v) {
    // As many digits as show the value past the end it passes.
    char text[40];
    for (int digits = 6; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, v);
        if (static_cast<float>(std::strtod(text, nullptr)) == static_cast<float>(v)) break;
    }
    return text;
}

std::string UnitName(Quantity q, uint16_t unit) {
    switch (q) {
        case Quantity::kTemperature:
        case Quantity::kWellTemperature:
            return TemperatureUnitText(unit);
        case Quantity::kPressure:
        case Quantity::kWellPressure:
            return PressureUnitText(unit);
        default:
            return Pco2UnitText(unit);
    }
}

}  // namespace

SettingRange HeldSettingSpan(SettingQuantity q, uint16_t unit) {
    Quantity quantity = Quantity::kPartialPressure;
    unsigned units = 6;
    switch (q) {
        case SettingQuantity::kTemperature:
            quantity = Quantity::kTemperature;
            units = 3;
            break;
        case SettingQuantity::kWellTemperature:
            quantity = Quantity::kWellTemperature;
            units = 3;
            break;
        case SettingQuantity::kPressure:
            quantity = Quantity::kPressure;
            units = 4;
            break;
        case SettingQuantity::kWellPressure:
            quantity = Quantity::kWellPressure;
            units = 4;
            break;
        case SettingQuantity::kPco2:
            // A share of the gas has no other unit's range to take.
            if (unit >= kFirstShareOfGas) return SettingRanges::Pco2(unit);
            units = kFirstShareOfGas;
            break;
    }
    const SettingRange own = RangeOf(quantity, unit);
    double low = own.low, high = own.high;
    for (unsigned u = 0; u < units; ++u) {
        const SettingRange r = RangeOf(quantity, static_cast<uint16_t>(u));
        low = std::min(low, Convert(quantity, r.low, u, unit, 0.0));
        high = std::max(high, Convert(quantity, r.high, u, unit, 0.0));
    }
    // A well temperature stays above 0 in a unit whose range says so.
    if (!own.lowIncluded) low = std::max(low, own.low);
    // A setting converted into this unit is converted as its ends are, and
    // SettingRange compares them as floats.
    return {low, high, own.lowIncluded};
}

std::string SettingsUnitChangeRefusal(const UnitCodes& before, const UnitCodes& after,
                                      const WhatIfSettings& w, const GraphRangeSettings& g,
                                      const WellLogSpecs& wellLog) {
    const double whatIfBar = TotalBar(w.pressureEval, before);
    const double gridBar = TotalBar(g.gridPressureEval, before);
    const NamedSetting settings[] = {
        {"Low pCO2 of the what-if settings", Quantity::kPartialPressure, w.pco2Low, whatIfBar},
        {"High pCO2 of the what-if settings", Quantity::kPartialPressure, w.pco2High, whatIfBar},
        {"Evaluation pCO2 of the what-if settings", Quantity::kPartialPressure, w.pco2Eval,
         whatIfBar},
        {"Low pCO2 of the mixing zone", Quantity::kPartialPressure, g.gridPco2Low, gridBar},
        {"High pCO2 of the mixing zone", Quantity::kPartialPressure, g.gridPco2High, gridBar},
        {"Evaluation pCO2 of the mixing zone", Quantity::kPartialPressure, g.gridPco2Eval, gridBar},
        {"Bottom Hole Temperature", Quantity::kWellTemperature, wellLog.value[0], 0.0},
        {"Temperature at Separator", Quantity::kWellTemperature, wellLog.value[1], 0.0},
        {"Temperature after Flashing", Quantity::kWellTemperature, wellLog.value[2], 0.0},
    };
    for (const NamedSetting& s : settings) {
        const unsigned from = UnitOf(s.quantity, before), to = UnitOf(s.quantity, after);
        if (from == to) continue;
        const SettingRange was =
            HeldSettingSpan(QuantityOf(s.quantity), static_cast<uint16_t>(from));
        // A value the dialogs never took (a default to come) is no concern here.
        if (!was.Holds(s.value)) continue;
        // Stored as a float, as the change stores it.
        const float v = static_cast<float>(Convert(s.quantity, s.value, from, to, s.totalBar));
        const SettingRange span =
            HeldSettingSpan(QuantityOf(s.quantity), static_cast<uint16_t>(to));
        if (span.Holds(v)) continue;
        const std::string unit = UnitName(s.quantity, static_cast<uint16_t>(to));
        return "In the units chosen, the " + std::string(s.name) + " (" + Number(v) + " " + unit +
               ") leaves the range the settings take (" + StatedEnd(span.low, true) + " to " +
               StatedEnd(span.high) + " " + unit + "). The units were not changed.";
    }
    return {};
}

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
