// What the speciation leaves for the last stage of the equilibrium calculation:
// one view that collects the species records, the constants and the scalars the
// saturation levels, the excesses and the result records are computed from.
// The entry of that stage fills it from the engine's global records; tests fill
// it by hand, so every step can be checked on a water of known activities.
#pragma once

#include "engine/tables/species_tables.h"

// Species rows the last stage reads by index.
namespace Ion {
enum : int {
    kCa = 0,
    kMg = 1,
    kNa = 2,
    kK = 3,
    kCl = 4,
    kSO4 = 5,
    kHCO3 = 6,
    kFe = 7,   // free iron(II) after the speciation
    kFe3 = 8,  // iron(III)
    kCO3 = 17,
    kH4SiO4 = 23,
    kH3SiO4 = 24,
    kH2SiO4 = 25,
    kOH = 26,
    kH2BO3 = 36,
    kNH3 = 37,
    kNH4 = 38,
    kAl = 50,
    kPO4 = 44,
    kHPO4 = 46,
    kF = 61,
    kH = 63,
    kHS = 66,
    kS = 67,  // S2-
    kLi = 80,
    kLiOH = 81,
    kNO3 = 84,
    kCO2 = 85,
    kSr = 87,
    kBa = 89,
    kBr = 97,
    kMn = 109,
    kZn = 145,
    kPb = 182,
    kPolyphosphate = 379,
};
}  // namespace Ion

// Reactions whose constants the last stage reads (solubility products in the
// basis of their saturation formulas, the carbonic acid steps and Kw).
namespace Rx {
enum : int {
    kSiderite = 9,
    kMagnesite = 10,
    kCalcite = 12,
    kAnhydrite = 17,
    kGypsum = 18,
    kBrucite = 19,
    kAragonite = 21,
    kMagnesiumSilicate = 29,
    kCarbonicAcid1 = 35,
    kFluorite = 62,
    kHalite = 64,
    kThenardite = 65,
    kMackinawite = 67,
    kCarbonicAcid2 = 68,
    kHydroxyapatite = 95,
    kAmorphousSilica = 100,
    kIronHydroxide = 112,
    kStrontianite = 142,
    kCelestite = 143,
    kBarite = 144,
    kWitherite = 145,
    kStrengite = 146,
    kWater = 152,
    kZincOH = 256,
    kZincOH2 = 257,
    kZincOH3 = 258,
    kZincOH4 = 259,
    kZincOHCl = 260,
    kZincSO4 = 263,
    kZincSO4x2 = 264,
    kZincCarbonate = 268,
    kZincHydroxide = 271,
    kZincHCO3 = 511,
    kZincCO3 = 512,
    kZincCO3x2 = 513,
};
}  // namespace Rx

struct SpeciatedWater {
    const SpeciesRecord* species;      // the 408 species records
    const SpeciesTable* speciesTable;  // charge and molar mass of each species
    const double* reactionK;           // the 685 constants at the water's T and P

    double ph;       // the final pH of the iteration
    double startPh;  // the pH the engine started from
    double waterActivity;
    double logWaterActivity;
    double ionicStrength;      // mol/kg
    double sqrtIonicStrength;  // 1e-5 when the strength is not positive
    double temperatureC;
    double temperatureF;
    double temperatureK;
    double pressurePsia;  // the Oddo-Tomson index takes psia
    double massFactor;   // F: molality x molar mass x F = mg/L
    double resultScale;  // R: the result scale factor of mass concentrations
    double debyeA;
    double debyeB;

    // Analytical and computed totals of the last pass, mol/kg (eq/kg for alkalinity).
    double calciumTotal;      // CaT
    double alkalinityTotal;   // TA
    double carbonateTotal;    // CO3T, the carbonate-bearing species
    double bicarbonateTotal;  // HCO3T, the bicarbonate-bearing species
    double hydroxideTotal;    // OHT
    double sulfateTotal;      // SO4T
    double chlorideTotal;     // ClT
    double phosphateTotal;    // PO4T
    double bariumTotal;
    double ironTotal;
    double magnesiumTotal;
    double strontiumTotal;

    // Oxalate: free C2O4 2- (molality and activity coefficient) and HC2O4-.
    double oxalate;
    double oxalateGamma;
    double hydrogenOxalate;
    // Free pyrophosphate P2O7 4- (the free polyphosphate).
    double pyrophosphate;
    double pyrophosphateGamma;
    // The four organic acids (acetic, propionic, butyric, valeric): total and
    // dissociated amount, mol/kg.
    double organicAcidTotal[4];
    double organicAcidDissociated[4];

    // The carbonate loop of the last pass.
    double loopTotalCarbonate;        // the carbonate amount the pass speciated
    double carbonateTarget;           // the carbonate alkalinity target, eq/kg
    double startCarbonateAlkalinity;  // eq/kg
    double totalCarbonateTarget;      // the total-carbonate target, mol/kg

    int alkalinityMode;  // analysis element 24, rounded
    // The dissolved CO2 is the one the pH and the bicarbonate hold (not a pCO2's).
    bool co2FollowedPh;

    double co2SolubilityLog;  // log10 of the Henry constant of CO2 of the input stage
    double ph2sAtm;           // pH2S of the input stage, atm

    double M(int i) const { return species[i].molality; }
    double G(int i) const { return species[i].gamma; }
    double A(int i) const { return species[i].activity; }
    double K(int reaction) const { return reactionK[reaction]; }
};
