// Electrical conductivity of a water calculated from its speciation (uS/cm).
#pragma once

#include "engine/speciation/speciated_water.h"

// The sum of the ions' molar conductances at the water's temperature, weighted by
// their activity factors and concentrations; at least 0.3 x the total dissolved
// solids when those are above 0.
double CalcConductivity(const SpeciatedWater& w, double totalDissolvedSolids);
