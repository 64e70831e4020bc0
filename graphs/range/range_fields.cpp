// Limits, opening texts, stores and stale flags of the Change Range fields.
#include "graphs/range/range_fields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/settings_ranges.h"
#include "common/unit_codes.h"
#include "engine/records.h"
#include "input/fields/decimal_field.h"
#include "input/records.h"
#include "input/units/settings_unit_change.h"
#include "input/whatif/whatif_fields.h"

namespace {

using S = RangeSlot;

uint16_t TemperatureCode() {
    const uint16_t c = unitCodes.code[UnitItem::kTemperature];
    return c < 3 ? c : 0;
}
uint16_t PressureCode() {
    const uint16_t c = unitCodes.code[UnitItem::kPressure];
    return c < 4 ? c : 0;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The field roles that differ in their display bounds and defaults.
enum class Role { kLow, kHigh, kEval, kMixLow, kMixHigh, kTypical, kProfileLow, kProfileHigh };

Role RoleOf(RangeSlot slot) {
    switch (slot) {
        case S::kPhLow:
        case S::kPco2Low:
        case S::kPressureLow:
        case S::kTemperatureLow:
        case S::kGridPhLow:
        case S::kGridPco2Low:
        case S::kGridTemperatureLow:
            return Role::kLow;
        case S::kPhEval:
        case S::kTemperatureEval:
            return Role::kEval;
        case S::kGridMixLow:
            return Role::kMixLow;
        case S::kGridMixHigh:
            return Role::kMixHigh;
        case S::kMixTypicalPercent:
            return Role::kTypical;
        case S::kMixLowPercent:
            return Role::kProfileLow;
        case S::kMixHighPercent:
            return Role::kProfileHigh;
        default:
            return Role::kHigh;
    }
}

// The default of a field whose stored value lies outside its display bounds.
std::string DefaultText(RangeQuantity q, Role role) {
    const uint16_t t = TemperatureCode();
    switch (q) {
        case RangeQuantity::kPh:
            return role == Role::kLow ? "7.60" : "9.00";
        case RangeQuantity::kPco2:
            return role == Role::kLow ? "0.001" : "1.00";
        case RangeQuantity::kTemperature: {
            constexpr const char* kLow[3] = {"60.0", "20.0", "293.0"};
            constexpr const char* kHigh[3] = {"120.0", "50.0", "324.0"};
            constexpr const char* kEval[3] = {"77.0", "25.0", "298.0"};
            return role == Role::kLow ? kLow[t] : role == Role::kHigh ? kHigh[t] : kEval[t];
        }
        case RangeQuantity::kPressure: {
            const RangeLimits l = LimitsOf(q);
            return Number(role == Role::kLow ? l.low : l.high);
        }
        case RangeQuantity::kPercent:
            break;
    }
    switch (role) {
        case Role::kTypical:
            return "16.67";
        case Role::kProfileHigh:
            return "100.0";
        default:
            return "0.0";
    }
}

bool Shown(RangeQuantity q, Role role, float v) {
    switch (role) {
        case Role::kMixLow:
        case Role::kTypical:
        case Role::kProfileLow:
            return v >= 0.0f;
        case Role::kMixHigh:
        case Role::kProfileHigh:
            return v > 0.0f;
        default:
            break;
    }
    // A value a change of units converted from another unit's range is shown.
    switch (q) {
        case RangeQuantity::kTemperature:
            return HeldSettingSpan(SettingQuantity::kTemperature, TemperatureCode()).Holds(v);
        case RangeQuantity::kPressure:
            return HeldSettingSpan(SettingQuantity::kPressure, PressureCode()).Holds(v);
        case RangeQuantity::kPco2:
            return HeldSettingSpan(SettingQuantity::kPco2, unitCodes.code[UnitItem::kGasCo2])
                .Holds(v);
        default: {
            const RangeLimits l = LimitsOf(q);
            return v >= l.low && v <= l.high;
        }
    }
}

bool Differs(const RangeSettings& a, const RangeSettings& b,
             std::initializer_list<RangeSlot> slots) {
    for (RangeSlot s : slots)
        if (SlotValue(a, s) != SlotValue(b, s)) return true;
    return false;
}

bool EqualNotZero(float low, float high) {
    return low == high && low != 0.0f;
}

}  // namespace

RangeLimits LimitsOf(RangeQuantity quantity) {
    switch (quantity) {
        case RangeQuantity::kPh:
            return {static_cast<float>(SettingRanges::kPh.low),
                    static_cast<float>(SettingRanges::kPh.high)};
        case RangeQuantity::kPco2: {
            const SettingRange& r = SettingRanges::Pco2(unitCodes.code[UnitItem::kGasCo2]);
            return {static_cast<float>(r.low), static_cast<float>(r.high)};
        }
        case RangeQuantity::kTemperature: {
            const TemperatureUnitInfo& t = TemperatureUnitOf(TemperatureCode());
            return {t.low, t.high};
        }
        case RangeQuantity::kPressure: {
            const PressureUnitInfo& p = PressureUnitOf(PressureCode());
            return {p.low, p.high};
        }
        case RangeQuantity::kPercent:
            break;
    }
    return {static_cast<float>(SettingRanges::kPercent.low),
            static_cast<float>(SettingRanges::kPercent.high)};
}

RangeQuantity QuantityOf(RangeSlot slot) {
    switch (slot) {
        case S::kPhLow:
        case S::kPhHigh:
        case S::kPhEval:
        case S::kGridPhLow:
        case S::kGridPhHigh:
            return RangeQuantity::kPh;
        case S::kPco2Low:
        case S::kPco2High:
        case S::kGridPco2Low:
        case S::kGridPco2High:
            return RangeQuantity::kPco2;
        case S::kPressureLow:
        case S::kPressureHigh:
            return RangeQuantity::kPressure;
        case S::kTemperatureLow:
        case S::kTemperatureHigh:
        case S::kTemperatureEval:
        case S::kGridTemperatureLow:
        case S::kGridTemperatureHigh:
            return RangeQuantity::kTemperature;
        default:
            return RangeQuantity::kPercent;
    }
}

std::string RefusalText(RangeQuantity quantity, const std::string& field) {
    switch (quantity) {
        case RangeQuantity::kPh:
            return RangeQuestion(field, SettingRanges::kPh);
        case RangeQuantity::kPco2:
            return Pco2RangeText(unitCodes.code[UnitItem::kGasCo2], field);
        case RangeQuantity::kTemperature:
            return TemperatureRangeText(TemperatureCode(), field);
        case RangeQuantity::kPressure:
            return PressureRangeText(PressureCode(), field);
        case RangeQuantity::kPercent:
            break;
    }
    return RangeQuestion(field, SettingRanges::kPercent, "%");
}

namespace {

bool PointPh(RangeSlot slot) {
    return slot == S::kPhLow || slot == S::kPhHigh || slot == S::kPhEval ||
           slot == S::kGridPhLow || slot == S::kGridPhHigh;
}

const char* QuantityName(RangeQuantity q) {
    switch (q) {
        case RangeQuantity::kPh:
            return "pH";
        case RangeQuantity::kPco2:
            return "pCO2";
        case RangeQuantity::kTemperature:
            return "Temperature";
        case RangeQuantity::kPressure:
            return "Pressure";
        case RangeQuantity::kPercent:
            break;
    }
    return "Percent";
}

}  // namespace

std::string SlotName(RangeSlot slot) {
    const char* role = "High";
    switch (RoleOf(slot)) {
        case Role::kLow:
        case Role::kMixLow:
        case Role::kProfileLow:
            role = "Low";
            break;
        case Role::kEval:
            role = "Evaluation";
            break;
        case Role::kTypical:
            role = "Typical";
            break;
        default:
            break;
    }
    return std::string(role) + " " + QuantityName(QuantityOf(slot));
}

bool SlotHolds(RangeSlot slot, float value) {
    if (PointPh(slot)) return SettingRanges::kPointPh.Holds(value);
    const RangeLimits limits = LimitsOf(QuantityOf(slot));
    return value >= limits.low && value <= limits.high;
}

std::string SlotRefusalText(RangeSlot slot) {
    return PointPh(slot) ? PointPhRangeText(SlotName(slot))
                         : RefusalText(QuantityOf(slot), SlotName(slot));
}

bool LowEndOf(RangeSlot high, RangeSlot& low) {
    switch (high) {
        case S::kPhHigh:
        case S::kPco2High:
        case S::kPressureHigh:
        case S::kTemperatureHigh:
        case S::kGridPhHigh:
        case S::kGridPco2High:
        case S::kGridTemperatureHigh:
            low = static_cast<RangeSlot>(static_cast<int>(high) - 1);
            return true;
        default:
            return false;
    }
}

std::string OrderRefusalText(RangeSlot high) {
    RangeSlot low = high;
    (void)LowEndOf(high, low);
    return "The " + SlotName(high) + " is below the " + SlotName(low) +
           ". Please re-enter a valid value. Did you wish to re-enter (Y/N)?";
}

bool ParseRangeValue(const char* text, float& value) {
    const std::string_view typed(text);
    if (typed.find_first_not_of(" \t") == std::string_view::npos) return false;
    const DecimalReading reading = ReadDecimalText(typed);
    if (reading.kind != DecimalText::kNumber) return false;
    value = static_cast<float>(reading.value);
    return true;
}

float SlotValue(const RangeSettings& s, RangeSlot slot) {
    const WhatIfSettings& w = s.whatIf;
    const GraphRangeSettings& g = s.graphRanges;
    const MixingZoneSettings& z = s.mixingZone;
    switch (slot) {
        case S::kPhLow:
            return w.phLow;
        case S::kPhHigh:
            return w.phHigh;
        case S::kPhEval:
            return w.phEval;
        case S::kPco2Low:
            return w.pco2Low;
        case S::kPco2High:
            return w.pco2High;
        case S::kPressureLow:
            return w.pressureLow;
        case S::kPressureHigh:
            return w.pressureHigh;
        case S::kTemperatureLow:
            return w.temperatureLow;
        case S::kTemperatureHigh:
            return w.temperatureHigh;
        case S::kTemperatureEval:
            return w.temperatureEval;
        case S::kGridPhLow:
            return g.gridPhLow;
        case S::kGridPhHigh:
            return g.gridPhHigh;
        case S::kGridPco2Low:
            return g.gridPco2Low;
        case S::kGridPco2High:
            return g.gridPco2High;
        case S::kGridTemperatureLow:
            return g.gridTemperatureLow;
        case S::kGridTemperatureHigh:
            return g.gridTemperatureHigh;
        case S::kGridMixLow:
            return z.gridMixLow;
        case S::kGridMixHigh:
            return z.gridMixHigh;
        case S::kMixTypicalPercent:
            return z.mixTypicalPercent;
        case S::kMixLowPercent:
            return z.mixLowPercent;
        case S::kMixHighPercent:
            return z.mixHighPercent;
    }
    return 0.0f;
}

void StoreSlot(RangeSettings& s, RangeSlot slot, float value) {
    WhatIfSettings& w = s.whatIf;
    GraphRangeSettings& g = s.graphRanges;
    MixingZoneSettings& z = s.mixingZone;
    switch (slot) {
        case S::kPhLow:
            w.phLow = value;
            break;
        case S::kPhHigh:
            w.phHigh = value;
            break;
        case S::kPhEval:
            w.phEval = value;
            break;
        case S::kPco2Low:
            w.pco2Low = value;
            break;
        case S::kPco2High:
            w.pco2High = value;
            break;
        case S::kPressureLow:
            w.pressureLow = value;
            break;
        case S::kPressureHigh:
            w.pressureHigh = value;
            break;
        case S::kTemperatureLow:
            w.temperatureLow = value;
            break;
        case S::kTemperatureHigh:
            w.temperatureHigh = value;
            break;
        case S::kTemperatureEval:
            w.temperatureEval = value;
            break;
        case S::kGridPhLow:
            g.gridPhLow = value;
            break;
        case S::kGridPhHigh:
            g.gridPhHigh = value;
            break;
        case S::kGridPco2Low:
            g.gridPco2Low = value;
            break;
        case S::kGridPco2High:
            g.gridPco2High = value;
            break;
        case S::kGridTemperatureLow:
            g.gridTemperatureLow = value;
            break;
        case S::kGridTemperatureHigh:
            g.gridTemperatureHigh = value;
            break;
        case S::kGridMixLow:
            g.gridMixLow = z.gridMixLow = value;
            break;
        case S::kGridMixHigh:
            g.gridMixHigh = z.gridMixHigh = value;
            break;
        case S::kMixTypicalPercent:
            g.mixTypicalPercent = z.mixTypicalPercent = value;
            break;
        case S::kMixLowPercent:
            z.mixLowPercent = value;
            break;
        case S::kMixHighPercent:
            z.mixHighPercent = value;
            break;
    }
}

RangeSettings GatherRangeSettings() {
    return RangeSettings{whatIfSettings, graphRangeSettings, mixingZoneSettings};
}

void ScatterRangeSettings(const RangeSettings& s) {
    whatIfSettings = s.whatIf;
    graphRangeSettings = s.graphRanges;
    mixingZoneSettings = s.mixingZone;
}

bool OpeningShowsValue(RangeSlot slot, float stored) {
    return Shown(QuantityOf(slot), RoleOf(slot), stored);
}

std::string OpeningText(RangeSlot slot, float stored) {
    const RangeQuantity q = QuantityOf(slot);
    const Role role = RoleOf(slot);
    if (Shown(q, role, stored)) return Number(stored);
    return DefaultText(q, role);
}

bool PairWarns(RangePair pair, const RangeSettings& s) {
    const WhatIfSettings& w = s.whatIf;
    const GraphRangeSettings& g = s.graphRanges;
    const MixingZoneSettings& z = s.mixingZone;
    switch (pair) {
        case RangePair::kTemperature:
            return EqualNotZero(w.temperatureLow, w.temperatureHigh);
        case RangePair::kGridTemperature:
            return EqualNotZero(g.gridTemperatureLow, g.gridTemperatureHigh);
        case RangePair::kPh:
            return EqualNotZero(w.phLow, w.phHigh);
        case RangePair::kGridPh:
            return EqualNotZero(g.gridPhLow, g.gridPhHigh);
        case RangePair::kPco2:
            return EqualNotZero(w.pco2Low, w.pco2High);
        case RangePair::kPressure:
            return EqualNotZero(w.pressureLow, w.pressureHigh);
        case RangePair::kMixPercents:
            return EqualNotZero(z.gridMixLow, z.gridMixHigh) ||
                   EqualNotZero(z.mixLowPercent, z.mixHighPercent);
        case RangePair::kProfilePercents:
            return EqualNotZero(z.mixLowPercent, z.mixHighPercent);
    }
    return false;
}

void MarkRangeStale(RangeStale rule, const RangeSettings& before, const RangeSettings& after,
                    bool varyPco2, ResultStatus& status) {
    const auto& a = before;
    const auto& b = after;
    const bool temperature = Differs(a, b, {S::kTemperatureLow, S::kTemperatureHigh});
    switch (rule) {
        case RangeStale::kTemperatureGrid:
            if (temperature) status.tempProfileDone = status.gridDone = 0;
            if (varyPco2 ? Differs(a, b, {S::kPco2Low, S::kPco2High})
                         : Differs(a, b, {S::kPhLow, S::kPhHigh}))
                status.gridDone = status.phProfileDone = 0;
            break;
        case RangeStale::kPressureGrid:
            if (temperature) status.tempProfileDone = status.gridDone = 0;
            if (Differs(a, b, {S::kPressureLow, S::kPressureHigh}))
                status.pressureProfileDone = status.gridDone = 0;
            break;
        case RangeStale::kProfile:
            if (temperature ||
                Differs(a, b, {S::kPhLow, S::kPhHigh, S::kPhEval, S::kTemperatureEval}))
                status.tempProfileDone = status.gridDone = status.phProfileDone = 0;
            break;
        case RangeStale::kPressureProfile: {
            const bool eval = Differs(a, b, {S::kTemperatureEval});
            if (eval || Differs(a, b, {S::kPressureLow, S::kPressureHigh}))
                status.tempProfileDone = status.gridDone = status.pressureProfileDone = 0;
            if (eval) status.phProfileDone = 0;
            break;
        }
        case RangeStale::kNone:
            break;
    }
}
