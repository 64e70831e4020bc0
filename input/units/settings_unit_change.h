// The typed settings a change of units rewrites beside the waters: the what-if
// ranges, the 3D graphs' ranges of the mixing zone and the well profile's
// stations hold temperatures, pressures and CO2 partial pressures in the
// user's units.
#pragma once

#include <cstdint>
#include <string>

#include "common/settings_ranges.h"
#include "common/unit_codes.h"
#include "common/whatif_settings.h"

// Every temperature, pressure and pCO2 of the three records, written in the
// units of `before`, rewritten in those of `after`. A pCO2 given as a share of
// the gas (ppm, mole %) is read against the record's evaluation pressure. Like
// the waters, each number remembers what it held before its first change of
// units: while it is not edited, every later change converts from that, so a
// change and its undo give back the very number typed.
void ConvertSettingsUnits(const UnitCodes& before, const UnitCodes& after, WhatIfSettings& whatIf,
                          GraphRangeSettings& graph, WellLogSpecs& wellLog);

// What a setting may hold in the unit `unit` of its quantity: the range the
// dialogs take in any unit of it, converted into this one (578 K is 580.73 F,
// 1 atm 14.6959 psia). A change of units
// converts a setting exactly, so it may pass the ends of the range the new
// unit's dialogs take; it stays within this span, which the dialogs show and
// the work-file reader takes. A pCO2 given as a share of the gas (ppm, mole %)
// keeps to its own range.
enum class SettingQuantity { kTemperature, kPressure, kPco2, kWellTemperature, kWellPressure };
[[nodiscard]] SettingRange HeldSettingSpan(SettingQuantity q, uint16_t unit);

// The first setting of the three records that a change from `before` to
// `after` would carry past the span it may hold in the new unit (a pCO2 of
// 1,000 atm read against an evaluation pressure of 1 atm is 100,000 mole %):
// the text that names it, with its value and span, or empty.
[[nodiscard]] std::string SettingsUnitChangeRefusal(const UnitCodes& before, const UnitCodes& after,
                                                    const WhatIfSettings& whatIf,
                                                    const GraphRangeSettings& graph,
                                                    const WellLogSpecs& wellLog);
