// Equilibrium constants at the calculation's temperature and pressure: the van 't
// Hoff correction of every reaction, the fitted temperature functions, the ion
// product of water, the anhydrite and gypsum branches, the pressure corrections, and
// the first activity coefficients of the carbonate and water ions.
#pragma once

#include "engine/tables/constants_records.h"
#include "engine/tables/species_tables.h"

// The reference temperature of logK25, 25 C.
constexpr double kReferenceTemperatureK = 298.16;

// Reactions the constant set-up treats by name.
namespace Reaction {
enum : int {
    kAnhydrite = 17,
    kGypsum = 18,
    kCaSO4Pair = 23,
    kWaterIonProduct = 152,
};
}

// van 't Hoff: log10 K(T) = logK25 - deltaH x this factor (deltaH in kcal/mol,
// R = 0.00198719 kcal/(mol K)).
double VanHoffFactor(double temperatureK);

// Everything that depends on temperature alone: water density, dielectric constant
// and Debye-Hückel A and B into water; reactionLogK and reactionK of every reaction
// by van 't Hoff with the fitted functions, the ion product and the anhydrite and
// gypsum branches over them; kwResult. The pH-linear rows are not touched.
// Results for the last two temperatures are kept, so a repeated temperature costs
// one copy.
void ComputeConstantsAtTemperature(double temperatureC, double temperatureK,
                                   const ReactionTable& table, double* reactionLogK,
                                   double* reactionK, WaterConstants& water, float& kwResult);

// Multiplies the constants of the reactions with known reaction volumes and
// compressibilities by their pressure factor at pressureBar and rewrites their
// reactionLogK from the corrected K.
void ApplyPressureCorrections(double temperatureC, double temperatureK, double pressureBar,
                              double* reactionLogK, double* reactionK);

// Extended Debye-Hückel coefficients of bicarbonate, carbonate, hydroxide and the
// hydrogen ion at the first ionic strength (sqrtI already floored at 1e-5).
void FirstActivityCoefficients(double sqrtI, double a, double b, const SpeciesTable& species,
                               SpeciesRecord* state);
