// Saturation ratios (ion activity product over solubility product) of the
// minerals of one water: 1 is saturated, above 1 supersaturated.
#pragma once

#include "engine/speciation/speciated_water.h"

// Solubility products fixed whatever the temperature.
constexpr double kCalciumPhosphateLogK = -28.7;  // Ca3(PO4)2
constexpr double kCalciumOxalateK = 1.7e-9;      // CaC2O4

// Hydroxyapatite ratios of 10^30 and above are stored as 10^30.
constexpr double kHydroxyapatiteCeiling = 1e30;

// log10 of a solubility product as the engine holds it (the explicit temperature
// functions where they exist).
double LogK(const SpeciatedWater& w, int reaction);

// Writes the saturation ratio of every mineral into its IndexCode slot of `slots`
// (calcite, aragonite, silica, the calcium phosphates, the sulfates, brucite, the
// carbonates, fluorite, barite, iron minerals, halite, celestite, mackinawite,
// thenardite, magnesium silicate and calcium oxalate); other slots are untouched.
void CalcMineralRatios(const SpeciatedWater& w, double* slots);

// Calcium silicate, which has no slot: log10 K = -(7068 / (1.987 T) + 3.58 - 0.006 T).
double CalcCalciumSilicateRatio(const SpeciatedWater& w);
