// Zinc minerals and calcium pyrophosphate of one water: their saturation ratios,
// momentary excesses (mg/L) and the dissolved zinc that the least soluble zinc
// mineral allows.
#pragma once

#include "engine/saturation/results_records.h"
#include "engine/speciation/speciated_water.h"

// Fixed solubility products (log10), not functions of temperature.
constexpr double kCalciumPyrophosphateLogK = -14.7;  // Ca2P2O7
constexpr double kZincPhosphateLogK = -36.7;         // Zn3(PO4)2.4H2O
constexpr double kZincPyrophosphateLogK = -11.1;     // Zn2P2O7 per zinc

// All fields of the record, in double precision and without the result scale factor.
ZincPhosphateResults CalcZincPhosphateMinerals(const SpeciatedWater& w);

// Dissolved zinc (mg/L): the free zinc that the least soluble of the hydroxide,
// carbonate, phosphate and pyrophosphate allows, with its hydroxide, chloride,
// sulfate and carbonate complexes.
double CalcDissolvedZinc(const SpeciatedWater& w);
