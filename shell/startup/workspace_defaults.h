// The start values of the workspace that the start-up sets after the settings
// files: the what-if ranges in the user's units, the mixing zone, pH control, the
// product "None", the per-water values and the graph choice.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "common/whatif_settings.h"

// The what-if and 3D graph ranges for the temperature (item 18), pressure
// (item 22) and gas-phase CO2 (item 23) units.
void SetStartRanges(const UnitCodes& units, WhatIfSettings& whatIf, GraphRangeSettings& graph);

// After a change of units: the what-if, 3D graph and well-log temperatures
// start again from the defaults of the new temperature unit when that unit
// changed, the pressures likewise, and the pCO2 range from those of the new
// gas-phase CO2 unit; so no number is shown under a unit it was not given in.
void ResetRangesForUnitChange(const UnitCodes& before, const UnitCodes& after,
                              WhatIfSettings& whatIf, GraphRangeSettings& graph,
                              WellLogSpecs& wellLog);

// Every start value on the program's records.
void SetWorkspaceStartValues();

// The IndexCode order in which graphs are offered.
extern const uint16_t kGraphCodeOrder[55];
