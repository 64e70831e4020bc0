// Properties of water and the constants the engine derives at the calculation's
// temperature and pressure, beside the reaction working arrays of
// engine/species_tables.h (reactionLogK, reactionK).
#pragma once

struct WaterConstants {
    // Density of water for the activity model (g/cm3) and its dielectric constant.
    double waterDensityActivity;
    double dielectricConstant;
    // Debye-Hückel A and B of the extended law log g = -A z^2 sqrt(I) / (1 + B a sqrt(I)).
    double debyeA;
    double debyeB;
    // Density of water for the ion product (g/cm3).
    double waterDensityKw;
    // Kw from the van 't Hoff step at 312.16 K and 313.16 K, the two points through
    // which the borate constant (reaction 25) is extrapolated above 40 C.
    double kwVanHoff312;
    double kwVanHoff313;
    // Constants the speciation forms barium's ion pairs with before its iteration:
    // BaSO4 (1e-10 with the CaSO4 enthalpy of reaction 23), BaCO3 and BaHCO3+ (their
    // linear functions of T, not extrapolated).
    double bariumSulfatePairK;
    double bariumCarbonatePairK;
    double bariumBicarbonatePairK;
};
extern WaterConstants waterConstants;
// The ion product of water as stored with the results.
extern float kwResult;

void ResetConstantsRecords();
