// Speciation of one water: the middle stage of the equilibrium calculation.
//
// When it starts, the input stage has put the analytical molality of every input
// species into SpeciesState and every reaction constant is at the water's
// temperature and pressure. The speciation settles the pH (given, predicted from
// the alkalinity or solved from the carbonate balance) and then iterates the
// distribution of the species (ionic strength and water activity, activity
// coefficients, water ions, redox level, weak acids, carbonate, metal complexes
// and the mass balances of the complexing anions) until the balances close or
// kSpeciationPassLimit passes are done. When they are still open then, the
// passes run once more from where they stand, the pH search starting again with
// its first step (at most kSpeciationPassLimit passes more); what is still open
// after that stands as the last pass left it, and counts in
// unconvergedSpeciations.
#pragma once

#include <cstdint>

#include "common/water_analysis.h"
#include "engine/speciation/speciation_records.h"
#include "engine/tables/species_tables.h"

constexpr int kSpeciationPassLimit = 40;

// The double-precision entry of the carbonate pH solver: solves the pH at which a
// carbonate acidity and an alkalinity (eq/kg) balance, starting from pHInOut.
// The six middle numbers are not read.
using PhFromCarbonateSolver = int32_t (*)(double acidity, double alkalinity, double, double, double,
                                          double, double, double, double& pHInOut);

// A pH-alkalinity curve pH = intercept + linear A + reciprocal / A + logSlope log10(A').
struct PhCurve {
    double intercept;
    double linear;
    double reciprocal;
    double logSlope;
};

// Everything the speciation reads besides the species records and the constants.
struct SpeciationInputs {
    // Switches of the run.
    uint16_t calcPassMode;     // 0 the reference pass, 1 ordinary, 2 what-if
    uint16_t profileStepFlag;  // non-zero while a profile, grid or well computes a point
    uint16_t balanceHold;      // non-zero while a mixing driver gives the blend's carbonate
    uint16_t phPredictionMethod;
    uint16_t carbonateModel;  // 1 and 3 open carbonate system, others closed
    uint16_t varyPco2;
    uint16_t reportingMode;  // 3 epm
    uint32_t phBalanceSwitch;

    // Conditions from the input stage.
    double temperatureK;
    double temperatureC;
    double temperatureF;
    double pressurePsia;
    double pressureAtm;
    double pressureBar;
    double molalFactor;  // mg/L x molalFactor / molar mass = mol/kg
    double molalDiv;     // 1 / molalFactor
    double resultScale;  // mg/L per mg/kg of the mass results (the specific gravity)
    double debyeA;
    double debyeB;
    double firstIonicStrength;  // the input stage's estimate, mol/kg
    double firstWaterActivity;  // the input stage's estimate
    double co2SolubilityLog;    // log10 of the CO2 Henry constant term (mol/kg/atm as 10^-x)
    double pco2Atm;

    // Production system flows (analysis elements 45 to 47) with their unit factors,
    // and the gas-phase carbon dioxide and hydrogen sulfide per unit of brine flow
    // that the reference pass formed.
    double brineFlow;
    double oilFlow;
    double gasFlow;
    double brineFactor;
    double oilFactor;
    double gasFactor;
    double co2PerBrine;
    double h2sPerBrine;
    double h2sUnitFactor;  // mg/L per unit of analysis element 19 (1: mg/L)

    // Inputs kept outside the species records, mol/kg.
    double oxalateMolality;
    double polyphosphateMolality;  // as PO4
    double organicAcidMolality[4];

    // Barium pair constants prepared before the iteration.
    double bariumSulfatePairK;
    double bariumCarbonatePairK;
    double bariumBicarbonatePairK;

    PhCurve userCurve;

    // The carbonate pH solve (mg/L as CaCO3 except phSolveCO2, mol/kg) and the
    // values kept from the water's own calculation.
    double phSolveAlkalinity;
    double phSolveAcidity;
    double phSolveCO2;
    double phSolveMarker;
    double keptBicarbonate;    // mg/L as HCO3
    double keptAlkalinity;     // mg/L as CaCO3
    double blendDissolvedCo2;  // mg/L as H2CO3, while balanceHold is set

    // What the reference pass of the water kept.
    double referenceAlkalinity;
    double heldAlkalinity;  // eq/kg a what-if pass holds (a water dosed with CO2), else 0
    double referencePh;  // the pH of the carbonate species a what-if pass is given
    double referenceLoopCarbonate;
    double referenceCarbonateTarget;
    double referenceStartAlkalinity;

    PhFromCarbonateSolver solvePh;
};

// The records the speciation reads and writes.
struct SpeciationRecords {
    const ReactionTable& reactions;
    const SpeciesTable& table;
    double* reactionLogK;    // kReactionCount entries
    double* reactionK;       // kReactionCount entries
    SpeciesRecord* species;  // kSpeciesCount records
    WaterAnalysis& analysis;
    double& enginePh;
    uint32_t& phBoundUsed;
    SpeciationState& state;
};

// Runs the speciation on the given records.
void Speciate(const SpeciationInputs& in, SpeciationRecords& rec);

// The inputs as the engine's global records hold them after the input stage.
[[nodiscard]] SpeciationInputs BindSpeciationInputs();

// Runs the speciation on the engine's global records: the working analysis, the
// species records and the constants that the input stage left.
void RunSpeciation();
