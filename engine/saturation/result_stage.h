// The stage that ends every equilibrium calculation: after the speciation, the
// reference pass (calcPassMode 0: balancing, derived analysis values, carbonate
// state, reference values) or the results pass (saturation levels, indices,
// momentary excess and the other result records).
#pragma once

#include "engine/saturation/results_pass.h"
#include "engine/speciation/speciated_water.h"

// The view of the speciated water that the global records hold after the speciation.
SpeciatedWater BindSpeciatedWater();

// The precipitation potentials of the six carbonates of the second carbonate
// family, from the water as this results pass speciated it.
CarbonateSolverValues SolveFamilyCarbonates(const SpeciatedWater& w);

// Runs the pass that calcPassMode selects on the global records.
void WriteEngineResults();
