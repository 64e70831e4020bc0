// What the speciation of one water leaves behind: the settled pH, ionic strength
// and water activity, the analytical totals of the components, the ligand and
// carbonate sums of the last pass, and the reference values of the water's
// reference pass that later passes hold the water to. The free, paired and
// complexed amounts of every species are in SpeciesState (species_tables.h).
//
// All amounts are mol per kg of water (molal) unless a field says otherwise;
// alkalinities are eq/kg.
#pragma once

#include <cstdint>

// 1 makes a pass at changed conditions (calcPassMode not 0) move the pH until
// the water's alkalinity equals referenceAlkalinity; 0 holds the carbonate to
// the reference pass instead. Kept in the display configuration file.
extern uint32_t phBalanceSwitch;

// Set to 1 when a pass moved the pH away from the pH the engine started from.
extern uint32_t phBoundUsed;

// The reference values that later passes hold the water to (referenceAlkalinity,
// referenceCarbonate) are kept with the results in engine/results_records.h;
// referencePh and enginePh with the inputs in engine/inputs_records.h.

// The three oxalate species (H2C2O4, HC2O4-, C2O4 2-), kept in single precision
// outside the species table.
struct OxalateSpecies {
    float total;  // total oxalate, mol/kg
    float gammaH2C2O4;
    float gammaHC2O4;
    float gammaC2O4;
    float molalityH2C2O4;
    float molalityHC2O4;
    float molalityC2O4;
    float activityH2C2O4;
    float activityHC2O4;
    float activityC2O4;
    float massH2C2O4;  // mg/L
    float massHC2O4;
    float massC2O4;
};

struct SpeciationState {
    // The settled pH and the iteration.
    double ph;
    int32_t passCount;        // passes made, 1 to 80 (two rounds of at most 40)
    uint32_t converged;       // 1 when the last pass met every tolerance
    double ionicStrength;     // I = 0.5 sum m z^2
    double sqrtI;             // sqrt(I), 1e-5 when I is not positive
    double waterActivity;     // max(0.2, 1 - 0.017 sum m)
    double logWaterActivity;  // log10 of it
    double totalCarbonate;    // the carbonate estimate the passes speciate
    double phStep;            // pH step of the charge balance (starts at 0.2)
    int32_t phDirection;      // -1 downward (start), +1 upward
    double pe;                // redox level, -log10 of the electron activity
    double electronActivity;  // 10^-pe
    // Conditional carbonic-acid constants of the last pass (concentration terms).
    double k1Conditional;
    double k2Conditional;

    // Analytical totals of the components, fixed before the first pass.
    double caT;
    double mgT;
    double naT;
    double kT;
    double feT;  // total iron (as Fe2+ and every iron(III) form)
    double alT;
    double liT;
    double srT;
    double baT;
    double znT;
    double ammoniaT;  // NH3 + NH4+
    double boronT;
    double silicaT;
    double sulfideT;
    double po4T;
    double so4T;
    double fT;
    double clT;
    double polyphosphateT;  // as P2O7 4-, from the polyphosphate input as PO4

    // The ligand totals that the last pass computed from its species.
    double so4Computed;
    double fComputed;
    double po4Computed;
    double clComputed;
    double polyphosphateComputed;

    // Carbonate and alkalinity sums of the last pass.
    double co3T;                         // carbonate-bearing species: CO3 2- and its pairs
    double hco3T;                        // bicarbonate-bearing species: HCO3- and its pairs
    double computedTotalCarbonate;       // co3T + hco3T + m(CO2)
    double computedCarbonateAlkalinity;  // 2 CO3-bearing + HCO3-bearing
    double ohT;  // hydroxide-bearing species counted in the alkalinity: OH-, Al(OH)4-
    // Total alkalinity 2 co3T + hco3T + ohT - m(H+), eq/kg.
    double totalAlkalinity;
    // The full alkalinity of the pass that the charge balance by pH compares
    // with referenceAlkalinity: the total alkalinity plus silicate, borate,
    // phosphate, sulfide, LiOH, oxalate, organic-acid and ammonia terms.
    double passAlkalinity;

    // Carbonate targets.
    double startCarbonateAlkalinity;  // 2 m(CO3) + m(HCO3) of the inputs
    double alkalinityTarget;
    double totalCarbonateTarget;
    double carbonateTarget;  // what the closure aimed at in the last pass
    // The alkalinity the sulfide of the last pass carries: m(HS-) + 2 m(S2-).
    double sulfideAlkalinity;
    uint32_t gasDissolved;   // 1 when the free gas of a production system dissolved
    // 1 when the water's own calculation took its dissolved CO2 from its pH and
    // bicarbonate in every pass (not from a pCO2).
    uint32_t co2FollowedPh;

    // Barium pairs formed from the free barium of the previous pass (mol/kg).
    double bariumBicarbonate;
    double bariumCarbonate;
    double bariumSulfate;

    OxalateSpecies oxalate;
    // The four organic acids (acetic, propionic, butyric, valeric): totals and
    // dissociated amounts, mol/kg. The dissociation is worked out in the
    // reference pass and kept for the later passes of the water.
    double organicAcidTotal[4];
    double organicAcidDissociated[4];
};
extern SpeciationState speciation;
// The speciations that ended with a balance still open, since the records were
// last reset: the what-if drivers' count of unconverged equilibria.
extern uint32_t unconvergedSpeciations;

// Puts every record of the speciation back to its start-of-run state.
void ResetSpeciationRecords();
