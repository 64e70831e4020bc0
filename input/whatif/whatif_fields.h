// The what-if dialog's fields: the unit labels, ranges and defaults of the
// temperature and pressure units, and reading the fields into a copy.
#pragma once

#include <cstdint>
#include <string>

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

// The range messages with their numbers.
[[nodiscard]] std::string PressureRangeText(uint16_t pressureCode);
[[nodiscard]] std::string TemperatureRangeText(uint16_t temperatureCode);
inline constexpr const char* kPhRangeText =
    "pH must be in the range of 0.0 to 14.0 . Please re-enter a valid pH value. Did you wish to "
    "re-enter (Y/N)?";
// The low, high and evaluation pH (SettingRanges::kPointPh), and the high not
// below the low.
inline constexpr const char* kPointPhRangeText =
    "pH must be in the range of 0.01 to 14.0 . Please re-enter a valid pH value. Did you wish to "
    "re-enter (Y/N)?";
inline constexpr const char* kPhOrderText =
    "The High pH is below the Low pH. Please re-enter a valid pH value. Did you wish to "
    "re-enter (Y/N)?";
inline constexpr const char* kPhTargetRangeText =
    "pH must be in the range of 0.0 to 14.0 . Please re-enter a valid pH value. Did you wish to "
    "re-enter (Y/N).";
inline constexpr const char* kPco2RangeText =
    "pCO2 must be positive. Please enter a valid pCO2 value. Did you wish to re-enter (Y/N)?";
inline constexpr const char* kNoCurveText =
    "A pH prediction curve MUST be selected! The DEFAULT CURVE has been selected.";

// Fills every control from the program's values (the opening of the dialog,
// after its opening copy is taken).
void FillWhatIfFields(win::HWND dialog);

// Reads the fields in their order into `v` (which holds the values now held).
// 0: every field was read; -1: the user kept the old value of at least one
// refused field; otherwise the id of the field the user chose to re-enter.
int ReadWhatIfFields(win::HWND dialog, WhatIfValues& v);
