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

// Every start value on the program's records.
void SetWorkspaceStartValues();

// The IndexCode order in which graphs are offered.
extern const uint16_t kGraphCodeOrder[55];
