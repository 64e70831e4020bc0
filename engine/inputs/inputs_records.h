// The engine's state at the start of a calculation: the switches its callers set,
// the reference-pass values later passes start from, and what the input stage
// derives from the working analysis (temperature in three scales, pressure in
// three units, partial pressures, the molal factor, total dissolved solids, the
// first ionic strength and the gas and flow totals of the pH estimate).
#pragma once

#include <cstdint>

// How the next run of the engine is to be made: 0 the reference pass at 25 C
// (which sets it to 1 on its way out), 1 an ordinary pass at the water's own
// conditions, 2 a what-if pass of the profile, grid and well drivers.
extern uint16_t calcPassMode;
// Non-zero while a temperature or pressure profile, grid or well profile computes
// one of its points; a pressure above 1 atm then scales the surface water's pH2S.
extern uint16_t profileStepFlag;
// Non-zero while a driver runs the engine on carbonate species that an earlier
// pass wrote (per kilogram of solution already): a reference pass then takes
// them as they are, where it would scale the species a user typed per litre.
extern uint16_t givenSpeciesPerKilogram;
// Set by the mixing drivers for the runs in which they give the blend's carbonate.
extern uint16_t balanceHold;
// Set (eq/kg, else 0) while a driver runs a what-if pass on given species of a
// water that carbon dioxide brought to its pH: the CO2 brings no ion and
// leaves the water's alkalinity as it was, so the pass holds that alkalinity,
// not the total carbonate of the species.
extern double heldAlkalinity;
// The blend's dissolved carbon dioxide (mg/L as H2CO3) that a mixing driver gives
// while balanceHold is set.
extern float blendDissolvedCo2;
// The stored water whose full calculation is running (CalcWaterAnalysis), or
// null. Its reference passes relate its hydrogen sulfide and pH2S at its own
// temperature, from its own values, whatever water was typed or opened last.
extern const float* calculatedWaterValues;

// What the reference pass of a water left for the later passes of the same water.
extern double referencePh;
extern float referenceH2CO3;       // mg/L as H2CO3
extern float referenceHCO3;        // mg/L as HCO3
extern float referenceCO3;         // mg/L as CO3
extern float referenceDissolvedCo2;  // mg/L as H2CO3

// The pH the engine starts from: the analysis pH, or referencePh in any pass but
// the reference pass.
extern double enginePh;

// Conditions and sums that the input stage derives for the rest of the engine.
struct EngineInputs {
    // Temperature of the calculation.
    double temperatureC;
    double temperatureF;
    double temperatureK;  // degrees C + 273.16
    // Total pressure, three forms that agree: atm = psia x 0.068046, bar = psia x 0.068948.
    double pressurePsia;
    double pressureAtm;
    double pressureBar;
    // 1 when the pressure was below the saturation pressure of water and was raised to it.
    uint32_t pressureRaised;
    // Partial pressures, atm.
    double pco2Atm;
    double ph2sAtm;
    // Total dissolved solids (mg/L) and the molal factor f = 1 / (1 - TDS 1e-6) / 1000:
    // mg/L x f / molar mass = mol/kg of water; molalDiv = 1 / f turns mol/kg back.
    double tds;
    double molalFactor;
    double molalDiv;
    // The first estimate of the ionic strength (mol/kg) and its square root (1e-5
    // when the strength is not positive).
    double ionicStrength;
    double sqrtIonicStrength;
    // Water activity estimate 1 - 0.017 x (sum of molalities), at least 0.2.
    double waterActivity;
    // Cation and anion equivalents of the input species (eq/kg).
    double cationSum;
    double anionSum;
    // The result scale factor (analysis element 44, or 1.0) held for the results.
    double resultScaleFactor;
    // log10 of the Henry constants at the calculation's temperature: carbon dioxide
    // (the piecewise fit in t, less 0.000179 x psia) and hydrogen sulfide.
    double co2SolubilityLog;
    double h2sSolubilityLog;
    // Carbonate inputs as held for the pH estimate: elements 29, 30, 31 and 33.
    double bicarbonateElement;
    double carbonateElement;
    double alkalinityEqElement;
    double totalCarbonateElement;
    // The dissolved carbon dioxide molality the pH estimate uses.
    double co2Molality;
    // Inputs converted by their own units.
    double zincMgL;
    double zincMolality;
    double polyphosphateMgL;  // mg/L as PO4
    double polyphosphateMolality;
    double oxalateMmolL;
    double oxalatePerKilogram;  // the entered oxalate per kilogram of solution
    double oxalateMolality;
    // Acetic, propionic, butyric and valeric acid, mol/kg.
    double organicAcidMolality[4];
};
extern EngineInputs engineInputs;
extern float waterActivityResult;  // the water activity estimate as stored, through ClampToFloat

// Brine, oil and gas flows with the carbon dioxide and hydrogen sulfide they carry,
// formed by the reference pass for the pH estimate of production systems.
struct GasFlowTotals {
    // Unit factors of the three flows (UnitCodes items 28, 29, 30).
    double brineFactor;
    double oilFactor;
    double gasFactor;
    // Flows scaled by their unit codes: brine and oil in L/day-equivalents, gas in L.
    double brineFlow;
    double oilFlow;
    double gasFlow;
    double co2InGas;
    double co2InOil;
    double co2InBrine;
    double h2sInGas;
    double h2sInBrine;
    double co2Total;
    double h2sTotal;
    double co2PerBrine;  // 0 when the brine flow is 0 or less
    double h2sPerBrine;
};
extern GasFlowTotals gasFlowTotals;

// Puts every record of the input stage back to its start-of-run state.
void ResetInputsRecords();
