// A change of units rewrites the numbers, not the water: every stored water,
// its values as entered and the form's working record are converted from the
// units chosen before into the units chosen now, through the same conversions
// the calculation reads them by, so the results stay those of the same water.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"

// The density of water in lbs/gal: a density in lbs/gal over this is in g/mL.
constexpr double kWaterDensityLbsPerGal = 8.34;

// The units a workspace's numbers are written in: the unit choices and the
// reporting basis (in epm every concentration is in meq/L).
struct UnitBasis {
    const UnitCodes& units;
    uint16_t reportingMode;
};

// The 64 values of one analysis, written in `before`, rewritten in `after`.
// Quantities whose unit did not change, and those with no unit (the pH, the
// alkalinities, which follow the alkalinity mode, and the calculation's own
// values), are left as they are; ppm and mg/L are read alike.
void ConvertAnalysisUnits(float* values, const UnitBasis& before, const UnitBasis& after);

// A corrosion rate (the corrosion target) in the rate unit of `before`, in that of `after`.
[[nodiscard]] float ConvertCorrosionRate(float rate, const UnitCodes& before,
                                         const UnitCodes& after);

// Every record of the workspace that holds an analysis in the user's units:
// the three stored waters and their values as entered, the working record and
// the form's snapshot of it, the multi-mix waters and their blend, the
// temperatures kept per water and the corrosion target.
void ConvertStoredWaters(const UnitBasis& before, const UnitBasis& after);
