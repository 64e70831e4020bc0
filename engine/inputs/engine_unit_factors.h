// The equilibrium calculation's own unit conversions: the factors that turn an
// entered concentration into mg/L as the species, the special rules of zinc,
// polyphosphate and oxalate, the flow factors, and the pressure and partial-pressure
// units.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"

// The one table of unit factors of the program: the analysis form's factor
// table, the equilibrium calculation, the what-if drivers, the inhibitor dose and
// the clipboard all read it. Every factor follows from molar masses: "as CaCO3" is
// 50.0445 mg of CaCO3 per milliequivalent, a French degree 10 mg/L and a German
// degree 17.9 mg/L as CaCO3, and a compound caption ("as NaCl", "as P2O5", ...)
// counts the ion's atoms in the compound.

// mg/L as the species per unit of `item` entered with unit `code` (the code's
// caption on the water form); 1.0 for code 0 (mg/L or ppm as the ion itself) and
// 0.0 for a code the item has no caption for.
double TrueUnitFactor(int item, unsigned code);

// mg of the species per milliequivalent of `item` (what a value is in epm
// reporting), or 0.0 for an item that is not a concentration.
double EquivalentWeightOfUnitItem(int item);

// The factor by which a value of unit item `item`, entered with the code that
// `units` holds for it, becomes mg/L as the species. Code 0 (mg/L or ppm as the ion),
// an item without a column and a code outside the table give 1.0.
double EngineUnitFactor(const UnitCodes& units, int item);

// mg/L of the species per unit of `item` as the user enters it: in epm reporting
// every concentration is in meq/L whatever its code, else the code's factor.
double EntryMgLPerUnit(const UnitCodes& units, int item, uint16_t reportingMode);

// mg of CaCO3 per milliequivalent.
constexpr double kCaCO3MgPerMeq = 50.0445;

// The alkalinity modes (1 as CaCO3, 2 as HCO3 and CO3, 3 the species given, 4 ml
// of N/30 acid on a 100 ml sample, 5 epm, 6 French and 7 German degrees): mg/L
// as CaCO3 per unit of the M and P alkalinity, 0.0 for modes 2 and 3, whose
// fields hold the species themselves.
double AlkalinityCaCO3PerUnit(unsigned mode);

// Zinc (UnitCodes item 33) to mg/L as Zn.
double ZincToMgL(double value, unsigned code);
// Polyphosphate (item 36) to mg/L as PO4.
double PolyphosphateToMgLAsPO4(double value, unsigned code);
// Oxalate (item 37) to mmol/L.
double OxalateToMmolL(double value, unsigned code);

// Unit factors of the brine, oil and gas flows (items 28, 29, 30).
double BrineFlowFactor(unsigned code);
double OilFlowFactor(unsigned code);
double GasFlowFactor(unsigned code);

// Pressure conversions. The engine holds the pressure as psia, atm = psia x 0.068046
// and bar = psia x 0.068948.
constexpr double kAtmPerPsia = 0.068046;
constexpr double kBarPerPsia = 0.068948;
// A total pressure in the unit of `code` (0 atm, 1 bar, 2 psia, 3 kPa; any other code
// is read as atm) to psia, and back.
double PressureToPsia(double value, unsigned code);
double PsiaToPressureUnit(double psia, unsigned code);

// A partial pressure (pCO2, pH2S) in the unit of `code` (0 atm, 1 bar, 2 psia, 3 kPa,
// 4 ppm of the gas, 5 percent of the gas; any other code is read as atm) to atm, with
// the total pressure in bar for the last two, and back. A bar is 0.986923 atm and
// 101.325 kPa one atm.
double PartialPressureToAtm(double value, unsigned code, double totalPressureBar);
double AtmToPartialPressureUnit(double atm, unsigned code, double totalPressureBar);
