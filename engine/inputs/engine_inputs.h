// The first stage of the equilibrium calculation: the working analysis and the
// user's units become the engine's starting state (analytical amount and molality of
// every input species, the temperature, the carbonate inputs, total dissolved
// solids, the molal factor and the first ionic strength), then the pressure and the
// gas inputs (H2S and pH2S, pCO2, the Henry constant of CO2, the flow totals).
//
// Ammonia enters as ammonium: species 38 carries the analytical ammonia total (its
// amount in mg/L as NH4+ and its molality); each input species is counted once in
// the TDS, the first ionic strength and the equivalent sums.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/inputs/inputs_records.h"
#include "engine/tables/species_tables.h"

// Species the input stage addresses by index.
namespace Species {
enum : int {
    kCalcium = 0,
    kPotassium = 3,
    kBicarbonate = 6,
    kFerrousIron = 7,
    kSulfideInput = 16,  // the record that carries the hydrogen sulfide input
    kCarbonate = 17,
    kHydroxide = 26,
    kAmmonium = 38,
    kAluminum = 50,
    kHydrogen = 63,
    kCarbonDioxide = 85,  // dissolved CO2, as H2CO3
    kZinc = 145,
    kPolyphosphate = 379,
};
}

// Molar masses (g/mol) the input stage uses by name.
constexpr double kBicarbonateMolarMass = 61.0173;
constexpr double kCarbonateMolarMass = 60.0094;
constexpr double kCarbonicAcidMolarMass = 62.0253;
constexpr double kSulfideInputMolarMass = 34.08;  // H2S, the mass of species row 16
constexpr double kOxalateMolarMass = 88.0196;

// The switches and kept values the stage reads besides the analysis.
struct InputSwitches {
    uint16_t calcPassMode;
    uint16_t profileStepFlag;
    uint16_t balanceHold;
    uint16_t carbonateModel;
    int reportingMode;   // element 22, rounded: 3 is epm
    int speciesGiven;    // element 23, rounded
    int alkalinityMode;  // element 24, rounded
    // Given species already per kilogram of solution (givenSpeciesPerKilogram).
    uint16_t speciesPerKilogram;
    // What-if passes set their pH by a CO2 partial pressure of their own (the
    // pCO2 is the plot variable, the pH is not balanced on the temperature and
    // no pH control holds the points at a target).
    uint16_t underGas;
};

struct ReferenceValues {
    double ph;
    float h2co3;         // mg/L
    float hco3;          // mg/L
    float co3;           // mg/L
    float dissolvedCo2;  // mg/L as H2CO3
};

struct InputStageContext {
    const UnitCodes& units;
    InputSwitches switches;
    ReferenceValues reference;
    const WaterAnalysis& surfaceWater;  // its pH2S and pressure, for a profile step
    // The water whose hydrogen sulfide and pH2S a reference pass relates, and
    // its own temperature (user's unit).
    const float* sulfideWater;
    float entryTemperature;
    float blendDissolvedCo2;            // mg/L, while balanceHold is set
    const float* organicAcidsMgL;       // acetic, propionic, butyric, valeric
    const SpeciesTable& species;
};

// Temperature of the calculation: 25 C in the reference pass (calcPassMode 0) and for
// an unknown temperature unit; else the entered value in the unit of `temperatureCode`
// (0 F, 1 C, 2 K).
void EngineTemperature(double entered, unsigned temperatureCode, uint16_t calcPassMode,
                       EngineInputs& in);

// Steps up to the first ionic strength: species amounts and molalities, temperature,
// carbonate inputs, ammonium, TDS, molal factor, ionic strength, equivalent sums and
// water activity. Returns the pH the engine starts from.
double LoadEngineInputs(const InputStageContext& context, WaterAnalysis& analysis,
                        SpeciesRecord* state, EngineInputs& in);

// The pressure of element 38 in psia, atm and bar, raised to the saturation pressure
// of water at the calculation's temperature when it is below it (element 38 then holds
// the raised pressure in the user's unit and pressureRaised is 1).
void LoadPressure(const UnitCodes& units, WaterAnalysis& analysis, EngineInputs& in);

// The gas inputs after the constants: activity coefficients of the dissolved gases,
// hydrogen sulfide and pH2S, partial pressures, the flow totals of the reference pass,
// the Henry constant of CO2 and the carbon dioxide taken from pCO2.
void LoadGasInputs(const InputStageContext& context, WaterAnalysis& analysis,
                   SpeciesRecord* state, EngineInputs& in, GasFlowTotals& flows);

struct WaterConstants;

// Where the input stage writes.
struct InputStageOutputs {
    ReactionTable& reactions;  // its five re-set logK25 entries are written
    double* reactionLogK;
    double* reactionK;
    SpeciesRecord* state;
    EngineInputs& inputs;
    GasFlowTotals& flows;
    WaterConstants& water;
    float& kwResult;
    float& waterActivityResult;
};

// The whole first stage on a zeroed species state: inputs, constants at the water's
// temperature, pressure, constants' pressure corrections, first activity
// coefficients and gas inputs. Returns the pH the engine starts from.
double RunInputStage(const InputStageContext& context, WaterAnalysis& analysis,
                     InputStageOutputs& out);
