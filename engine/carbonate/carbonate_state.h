// The carbonate state that the reference pass of the equilibrium calculation
// leaves for the carbonate, pH-control and scenario code, and the conversion
// through which the engine stores its double results as floats.
#pragma once

#include <cstdint>

#include "engine/pipeline/numbers/clamp_to_float.h"

struct CarbonateState {
    float k1;       // K1' = K1 g(CO2) / (gH gHCO3)
    float k2;       // K2' = K2 gHCO3 / (gH gCO3)
    float kw;       // W = aw Kw / (gH gOH), plain
    float gammaH;   // g(H+)
    float gammaOH;  // g(OH-)
    float waterActivity;
    float chargeValue;
    float alkalinity;  // m(OH-) + 2 CO3T + HCO3T - m(H+), eq/kg
    float log10K2;     // plain
    float log10K1;     // plain
    float carbonateMass;     // mg/L
    float bicarbonateMass;   // mg/L
    float co2Mass;           // mg/L
    float ohMolality;
    float hMolality;
    float alkalinityAsCaCO3;  // mg/L
    float acidityAsCaCO3;     // mg/L
};

// The first eight values (k1 .. alkalinity), which the drivers save and restore.
constexpr int kCarbonateStateSavedCount = 8;
