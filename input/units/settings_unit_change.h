// The typed settings a change of units rewrites beside the waters: the what-if
// ranges, the 3D graphs' ranges of the mixing zone and the well profile's
// stations hold temperatures, pressures and CO2 partial pressures in the
// user's units.
#pragma once

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
