// The what-if dialog's fields: the unit labels, ranges and defaults of the
// temperature and pressure units, and reading the fields into a copy.
#pragma once

#include <cstdint>
#include <string>

#include "common/settings_ranges.h"
#include "input/whatif/whatif_values.h"
#include "platform/window/win_types.h"

struct TemperatureUnitInfo {
    const char* label;  // "°F", "°C", "°K"
    char letter;        // F, C, K in the range message
    float low, high;
};
struct PressureUnitInfo {
    const char* label;  // "Atm.", "Bars", "PSI", "KPa"
    float low, high;
};
[[nodiscard]] const TemperatureUnitInfo& TemperatureUnitOf(uint16_t code);
[[nodiscard]] const PressureUnitInfo& PressureUnitOf(uint16_t code);

// The question a refused range field asks, naming the field and its range in
// readable numbers: "Low Temperature must be in the range of 30 to 572 degrees
// F. Please re-enter a valid value. Did you wish to re-enter (Y/N)?". A range
// whose low end is not taken reads "above 0 and up to 14".
[[nodiscard]] std::string RangeQuestion(const std::string& field, const SettingRange& range,
                                        const std::string& unit = "");
// The units the questions state: "degrees F", "atm", "bar", "psia", "kPa",
// and for pCO2 also "ppm" and "mole %".
[[nodiscard]] std::string TemperatureUnitText(uint16_t temperatureCode);
[[nodiscard]] std::string PressureUnitText(uint16_t pressureCode);
[[nodiscard]] std::string Pco2UnitText(uint16_t pco2Code);
// The questions of the what-if ranges: the field's name and the range of its unit.
[[nodiscard]] std::string PressureRangeText(uint16_t pressureCode,
                                            const std::string& field = "Pressure");
[[nodiscard]] std::string TemperatureRangeText(uint16_t temperatureCode,
                                               const std::string& field = "Temperature");
[[nodiscard]] std::string Pco2RangeText(uint16_t pco2Code, const std::string& field = "pCO2");
// The low, high and evaluation pH (SettingRanges::kPointPh).
[[nodiscard]] std::string PointPhRangeText(const std::string& field);
// The pH target of pH control (SettingRanges::kTargetPh).
[[nodiscard]] std::string PhTargetRangeText();
inline constexpr const char* kPhOrderText =
    "The High pH is below the Low pH. Please re-enter a valid pH value. Did you wish to "
    "re-enter (Y/N)?";
inline constexpr const char* kNoCurveText =
    "A pH prediction curve MUST be selected! The DEFAULT CURVE has been selected.";

// Fills every control from the program's values (the opening of the dialog,
// after its opening copy is taken).
void FillWhatIfFields(win::HWND dialog);

// Reads the fields in their order into `v` (which holds the values now held).
// 0: every field was read; -1: the user kept the old value of at least one
// refused field; otherwise the id of the field the user chose to re-enter.
int ReadWhatIfFields(win::HWND dialog, WhatIfValues& v);
