// Carbonate and carbon dioxide inputs of the equilibrium calculation: bicarbonate
// and carbonate from the alkalinity as the user entered it, the Henry constant of
// CO2, and the dissolved CO2 (and, for a pH still to be found, the bicarbonate) that
// follow from the CO2 partial pressure.
#pragma once

#include "common/water_analysis.h"
#include "engine/inputs/engine_inputs.h"

// The alkalinity entries of the input vector: the total alkalinity in mg/L as CaCO3
// (the water form derives it from M in every mode), and M or bicarbonate and P or
// carbonate as entered; and the mg/kg per entered mg/L (1 / Sp.Gr. in mg/L
// reporting, else 1) that turns what the user entered into the engine's amounts.
struct CarbonateEntries {
    double total;
    double m;
    double p;
    double perKilogram = 1.0;
};

// Amounts (mg/L) of bicarbonate, carbonate and dissolved CO2 by alkalinity mode:
// 1 as CaCO3, 2 as the ions, 3 calculated species, 4 ml of N/30 acid, 5 epm,
// 6 French degrees, 7 German degrees. A negative bicarbonate becomes 0.
void LoadCarbonateInputs(const InputSwitches& switches, const ReferenceValues& reference,
                         const CarbonateEntries& entries, WaterAnalysis& analysis,
                         SpeciesRecord* state);

// Whether a what-if pass on given species holds the CO2 its own partial pressure
// dissolves rather than the reference water's: a point under a pCO2 of its own.
bool CarbonDioxideOfItsGas(const InputSwitches& switches, const WaterAnalysis& analysis);

// The dissolved CO2 (mg/kg of solution, as H2CO3) that the pass's pCO2 dissolves at
// its temperature and pressure, beside `otherSolids` mg/kg of everything else.
double CarbonDioxideOfGas(const UnitCodes& units, const WaterAnalysis& analysis,
                          const EngineInputs& in, double otherSolids);

// log10 of the Henry constant of CO2 (atm per mol/kg) at temperatureC, a piecewise
// linear fit in t, less 0.000179 per psia of total pressure.
double Co2SolubilityLog(double temperatureC, double pressurePsia);

// Dissolved CO2 from pCO2 (and the bicarbonate of a water whose pH is to be found),
// and, in passes other than the reference pass, pCO2 from the dissolved CO2 when none
// is given (element 39 rewritten in the user's unit).
void CarbonFromPco2(const InputStageContext& context, WaterAnalysis& analysis,
                    SpeciesRecord* state, EngineInputs& in);
