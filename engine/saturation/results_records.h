// The records that the last stage of the equilibrium calculation fills beside
// SaturationResults and MomentaryExcess (engine/records.h): the zinc and
// pyrophosphate minerals, calcium silicate and calcium oxalate, the carbonate
// figures of the results pass, and what the reference pass of a water keeps for
// the later passes of the same water.
#pragma once

#include <cstdint>

#include "engine/carbonate/carbonate_shift.h"

// Zinc and calcium pyrophosphate minerals of the results pass, in double precision
// and without the result scale factor.
struct ZincPhosphateResults {
    double calciumPyrophosphateExcess;  // mg/L
    double calciumPyrophosphateRatio;   // saturation ratio
    double zincHydroxideExcess;         // mg/L
    double zincCarbonateExcess;         // mg/L
    double zincPhosphateExcess;         // mg/L
    double zincPyrophosphateExcess;     // mg/L
    double zincHydroxideRatio;
    double zincCarbonateRatio;
    double zincPhosphateRatio;
    double zincPyrophosphateRatio;
    double dissolvedZinc;      // mg/L that the least soluble zinc mineral allows
    double dissolvedZincCopy;  // the same value
};
extern ZincPhosphateResults zincPhosphateResults;

// Calcium silicate has no IndexCode slot: its saturation ratio is kept twice, once
// ahead of the saturation results and once after the inhibitor dose block, which
// reads the second copy.
extern float calciumSilicateRatio;
extern float calciumSilicateRatioCopy;

// Calcium oxalate: the momentary excess (mg/L, through ClampToFloat) and the
// saturation ratio (plain); SaturationResults slots 63 and 62 copy them.
struct OxalateResults {
    float excess;
    float ratio;
};
extern OxalateResults oxalateResults;

// Carbonate figures of the results pass (f32).
struct ResultsCarbonate {
    float acidityAsCaCO3;         // 2 m(CO2) + HCO3T + m(H+) - m(OH-), mg/L as CaCO3
    float dissolvedCarbonicAcid;  // m(CO2) as H2CO3, mg/L
    // The carbonic acid in equilibrium with the bicarbonate at the final pH
    // (mg/L as H2CO3) and its CO2 partial pressure (atm): the same as the two
    // above where the pass computed its CO2, the water's own where it was given.
    float equilibriumCarbonicAcid;
    float pco2Atm;
    // The carbonate system of the last pass (reference or results pass), which
    // the pH control of a what-if point settles its dose on.
    SpeciatedCarbonate system;
};
extern ResultsCarbonate resultsCarbonate;

// The amount of the balancing ion that the reference pass found, in the unit of
// that ion; it shares its place with SaturationResults slot 31, which the results
// pass fills with the Puckorius index.
extern float& balanceAmount;

// The reference alkalinity (eq/kg) that later passes hold the water to when they
// balance the charge by pH; stored by the reference pass with referencePh.
extern double referenceAlkalinity;

// The rest of the reference record that a loaded workspace continues from (the
// work file stores it with referencePh and referenceAlkalinity), mol/kg or eq/kg.
struct ReferenceCarbonate {
    double carbonateSum;              // CO3T + HCO3T + m(CO2)
    double totalCarbonate;            // the total carbonate written into element 33
    double alkalinityCopy;            // a second copy of referenceAlkalinity
    double loopTotalCarbonate;        // the speciation loop's totalCarbonate
    double startCarbonateAlkalinity;  // the starting carbonate alkalinity
    double carbonateTarget;           // the carbonate target of the last pass
};
extern ReferenceCarbonate referenceCarbonate;

// Other values of the reference pass (f32 unless stated).
struct ReferenceOutputs {
    float dissolvedCarbonicAcid;  // m(CO2) as H2CO3, mg/L, plain
    float hydrogenMass;           // m(H+) x 1.008 x F, mg/L, plain
    float hydroxideMass;          // m(OH-) x 17.0074 x F, mg/L, plain
    float pco2Atm;                // a(CO2) over the Henry constant, atm
    float ph2sAtm;                // the pH2S of the input stage, atm
    float alkalinity;             // plain copy of CarbonateState alkalinity, eq/kg
    float acidity;                // plain copy of the carbonate acidity, eq/kg
    double chargeResidual;        // carbonate charge balance left in double precision
};
extern ReferenceOutputs referenceOutputs;

// Puts every record of this file back to its start-of-run state (zero).
void ResetResultsRecords();
