// The carbonate system moved from one pH to another, in double precision and
// without touching any record: at constant total carbonate (a closed system) or
// at constant dissolved CO2 (a system open to a CO2 gas phase). The pH
// adjustment stores what these return.
#pragma once

#include <optional>

#include "engine/carbonate/carbonate_state.h"

// The three carbonate species of a water, mg/L each.
struct CarbonateSpecies {
    double h2co3;        // dissolved CO2 as H2CO3
    double bicarbonate;  // HCO3-
    double carbonate;    // CO3--
};

struct ClosedSystemShift {
    double totalCarbonate;    // mol/L, the same at both pH values
    double startAlkalinity;   // mg/L as CaCO3
    double demand;            // mg/L as CaCO3: acid when positive, alkali when negative
    CarbonateSpecies target;  // the species at the target pH
    double targetAlkalinity;  // mg/L as CaCO3
};

struct OpenSystemShift {
    double startTotalCarbonate;   // mol/L
    double targetTotalCarbonate;  // mol/L
    CarbonateSpecies start;       // the given carbon respeciated at the start pH
    CarbonateSpecies target;      // the same H2CO3, at the target pH
    double startAlkalinity;       // eq/L
    double targetAlkalinity;      // eq/L
    double demand;                // mg/L as CaCO3: acid when positive, alkali when negative
};

// The carbonate system an equilibrium pass speciated, in mol/kg of water: the
// dissolved CO2, the bicarbonate and carbonate totals (free ions and their ion
// pairs), the hydroxide total and the free hydrogen ion, at the pass's pH.
// `perLitre` turns eq/kg into mg/L as CaCO3 as the pages' alkalinity does. All
// 0 until a pass has run.
struct SpeciatedCarbonate {
    double ph;
    double co2;
    double bicarbonate;
    double carbonate;
    double hydroxide;
    double hydrogen;
    double perLitre;
};

// The total alkalinity (mg/L as CaCO3: carbonate, bicarbonate and hydroxide
// totals less the hydrogen ion) of the speciated water moved to `pH` at its
// total carbonate. Each step of the carbonic acid and of water gives up one
// hydrogen ion, so against the hydrogen-ion activity the bicarbonate grows as
// 1/aH over the CO2 and the carbonate as 1/aH over the bicarbonate, their ion
// pairs and activity coefficients held as the pass found them; the hydroxide
// goes as 1/aH and the hydrogen ion as aH. Empty when the pass found no
// carbonate or gives no finite answer.
std::optional<double> AlkalinityMovedTo(const SpeciatedCarbonate& pass, double pH);

// The shares of the speciated water's total carbonate that its dissolved CO2,
// its bicarbonate and its carbonate (pairs counted) hold once the water is
// moved to `pH`, moved as AlkalinityMovedTo moves them. The three add up to 1.
// Empty when the pass found no carbonate or gives no finite answer.
struct CarbonateShares {
    double co2;
    double bicarbonate;
    double carbonate;
};
std::optional<CarbonateShares> SharesMovedTo(const SpeciatedCarbonate& pass, double pH);

// Total alkalinity (mg/L as CaCO3) of carbonate and bicarbonate (mg/L) with the
// hydroxide and hydrogen ions of the given pH.
double TotalAlkalinityAsCaCO3(const CarbonateState& constants, double carbonateMg,
                              double bicarbonateMg, double pH);

// A target pH closer to the start pH than this is the start pH: the shifts
// below move the water nowhere and dose nothing.
constexpr double kSamePh = 1e-5;

// Empty when the constants are unusable (a value not positive or not finite) or
// a pH gives no finite hydrogen or hydroxide ion.
std::optional<ClosedSystemShift> ShiftClosedSystem(const CarbonateState& constants,
                                                   const CarbonateSpecies& given, double startPh,
                                                   double targetPh);
std::optional<OpenSystemShift> ShiftOpenSystem(const CarbonateState& constants,
                                               const CarbonateSpecies& given, double startPh,
                                               double targetPh);

// Carbon dioxide (mol/L) that takes a water of the given alkalinity (mg/L as
// CaCO3) from `startPh` to `targetPh`, from the charge balance
//   F(h) = (h - Kw/h)(R + 1) + R A,  R = (h/K1 + 1) / (K2/h + 1),  A = alk / 50000,
// with h the hydrogen-ion activity 10^-pH: d = F(h target) - F(h start).
double CO2DoseMolPerL(const CarbonateState& constants, double targetPh, double alkalinity,
                      double startPh);
