// A change of units rewrites the numbers, not the water: every stored water,
// its values as entered and the form's working record are converted from the
// units chosen before into the units chosen now, through the same conversions
// the calculation reads them by, so the results stay those of the same water.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"

// The density of water in lbs/gal: a density in lbs/gal over this is in g/mL.
constexpr double kWaterDensityLbsPerGal = 8.34;

// The units a workspace's numbers are written in: the unit choices, the
// reporting basis (in epm every concentration is in meq/L) and the alkalinity
// mode.
struct UnitBasis {
    const UnitCodes& units;
    uint16_t reportingMode;
    uint16_t alkalinityMode;
};

// The 64 values of one analysis, written in `before`, rewritten in `after`.
// Quantities whose unit did not change, and those with no unit (the pH and the
// calculation's own values), are left as they are. The M and P alkalinity are
// converted between every mode that names the same amount; a change to or from
// the species given (mode 3) leaves them as they were. The record remembers the
// numbers it held before its first change of units: while they are not edited,
// every later change converts from them, so a change and its undo give back the
// very numbers typed.
void ConvertAnalysisUnits(float* values, const UnitBasis& before, const UnitBasis& after);

// The same conversion once, in double precision, without the memory of earlier
// changes: what a change of units does to a record it meets for the first time.
// A pasted water is converted from its sender's units by it.
void ConvertValuesOnce(double* values, const UnitBasis& before, const UnitBasis& after);

// A temperature in temperature unit `before` (UnitCodes item 21), in unit `after`.
[[nodiscard]] double ConvertTemperature(double value, unsigned before, unsigned after);

// What one unit of flow `item` (UnitItem::kBrineFlow, kOilFlow or kGasFlow)
// is in the unit the calculation reads that flow in (BPD or MMCF/D).
[[nodiscard]] double FlowUnitFactor(int item, unsigned code);

// A corrosion rate (the corrosion target) in the rate unit of `before`, in that of `after`.
[[nodiscard]] float ConvertCorrosionRate(float rate, const UnitCodes& before,
                                         const UnitCodes& after);

// Every record of the workspace that holds an analysis in the user's units:
// the three stored waters and their values as entered, the working record and
// the form's snapshot of it, the multi-mix waters and their blend, the
// temperatures kept per water and the corrosion target.
void ConvertStoredWaters(const UnitBasis& before, const UnitBasis& after);
