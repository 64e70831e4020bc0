// The ranges of the stored settings, in one table: what the settings dialogs
// take, what the start-up loader keeps of the display configuration file, and
// what a work file must hold in its settings records to be read. A value a
// dialog takes therefore always reads back from a file, and a value a file may
// not hold is never taken from a dialog.
//
// Ranges that depend on a unit are looked up by the unit code of
// `UnitCodes` (temperature 0 F, 1 C, 2 K; pressure 0 atm, 1 bar, 2 psia,
// 3 kPa; gas-phase CO2 0 atm, 1 bar, 2 psia, 3 kPa, 4 ppm, 5 mole %); a code
// beyond the last takes the first unit's range.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"

struct SettingRange {
    double low;
    double high;
    bool lowIncluded = true;  // false: the value must lie above `low`
    // False for NaN and for anything outside the range. Settings are stored as
    // f32, so the bounds are taken as f32 too (14.7 psia is the f32 14.7).
    [[nodiscard]] constexpr bool Holds(double v) const {
        const double lowest = static_cast<float>(low);
        const double highest = static_cast<float>(high);
        return (lowIncluded ? v >= lowest : v > lowest) && v <= highest;
    }
};

namespace SettingRanges {

// pH: the what-if ranges, the 3D graph ranges and the target pH of pH control.
inline constexpr SettingRange kPh{0.0, 14.0};
// The pH a what-if point is calculated at (the low, high and evaluation pH
// of the what-if settings, which the what-if and Change Range dialogs take):
// not 0, which the engine reads as a pH still to be found, so that it would
// calculate the water at its own pH instead.
inline constexpr SettingRange kPointPh{0.01, 14.0};
// The pH that pH control brings a water to, as its dialogs take it: above 0.
inline constexpr SettingRange kTargetPh{0.0, 14.0, false};

// Percent of injection water: the mixing zone's low, high and typical percent
// and the grids' copies. The step, a sixth of high minus low, lies within the
// span of the percents.
inline constexpr SettingRange kPercent{0.0, 100.0};
inline constexpr SettingRange kPercentStep{-100.0, 100.0};

// The well log: the depth in feet (the dialog and the loader put 100 in place of
// anything lower); the three temperatures within the what-if span of their
// unit, above 0 (the dialog puts its default in place of 0 or less); the three
// pressures above 0 and up to the 20,000 psia of the deepest well in the unit
// of the pressure (beyond it, as beyond the engine's constants, the stations'
// results are no chemistry).
inline constexpr SettingRange kWellDepth{100.0, 20000.0};
inline constexpr SettingRange kWellPressure[4] = {
    {0.0, 1361.0, false},    // atm
    {0.0, 1379.0, false},    // bar
    {0.0, 20000.0, false},   // psia
    {0.0, 137896.0, false},  // kPa
};

// The what-if and 3D graph temperatures: the span of the engine's constants.
inline constexpr SettingRange kTemperature[3] = {
    {30.0, 572.0},   // degrees F
    {-2.0, 300.0},   // degrees C
    {270.0, 578.0},  // K
};
// The what-if and 3D graph pressures.
inline constexpr SettingRange kPressure[4] = {
    {1.0, 1000.0},      // atm
    {1.0, 1000.0},      // bar
    {14.7, 14700.0},    // psia
    {100.0, 100000.0},  // kPa
};
// pCO2 by the gas-phase CO2 unit, as every dialog takes it (the what-if and
// mixing zone ranges, Change Range) and as the water form takes a water's
// pCO2: 0 up to the highest pressure of a pressure unit, or all of the gas.
inline constexpr SettingRange kPco2[6] = {
    {0.0, 1000.0},     // atm
    {0.0, 1000.0},     // bar
    {0.0, 14700.0},    // psia
    {0.0, 100000.0},   // kPa
    {0.0, 1000000.0},  // ppm
    {0.0, 100.0},      // mole %
};

[[nodiscard]] constexpr const SettingRange& Temperature(uint16_t unit) {
    return kTemperature[unit < 3 ? unit : 0];
}
[[nodiscard]] constexpr const SettingRange& Pressure(uint16_t unit) {
    return kPressure[unit < 4 ? unit : 0];
}
[[nodiscard]] constexpr const SettingRange& Pco2(uint16_t unit) {
    return kPco2[unit < 6 ? unit : 0];
}
// The 0 to 10,000 that the Change Range dialogs once took in any unit.
inline constexpr SettingRange kChangeRangePco2{0.0, 10000.0};
// What a stored pCO2 (what-if or 3D graph) may hold: whatever a dialog takes in
// that unit, or once took, as files written then hold it.
[[nodiscard]] constexpr SettingRange StoredPco2(uint16_t unit) {
    return {0.0, Pco2(unit).high > kChangeRangePco2.high ? Pco2(unit).high : kChangeRangePco2.high};
}
[[nodiscard]] constexpr const SettingRange& WellPressure(uint16_t pressureUnit) {
    return kWellPressure[pressureUnit < 4 ? pressureUnit : 0];
}
// The well's temperatures: the what-if span of the unit, 0 and below
// included where the unit's span reaches them (-2 C): the dialog takes them.
[[nodiscard]] constexpr SettingRange WellTemperature(uint16_t temperatureUnit) {
    return Temperature(temperatureUnit);
}

// A one-page or well-log graph choice (DisplaySettings graphParams): a mineral's
// IndexCode (the treated variants reach 121) or 0xFFFF for none.
inline constexpr uint16_t kNoGraph = 0xFFFF;
inline constexpr uint16_t kGraphCodeLimit = 128;
[[nodiscard]] constexpr bool GraphParamValid(uint16_t v) {
    return v < kGraphCodeLimit || v == kNoGraph;
}

// Codes of pH control and the what-if options.
inline constexpr SettingRange kPhControlMethod{0, 3};     // none, acid, alkali, both
inline constexpr SettingRange kPhPredictionMethod{0, 5};  // the six prediction buttons
inline constexpr SettingRange kCarbonateModel{0, 3};
inline constexpr SettingRange kSwitch{0, 1};
inline constexpr SettingRange kWellLogPtSource{0, 2};  // well log, steam line, typical

}  // namespace SettingRanges
