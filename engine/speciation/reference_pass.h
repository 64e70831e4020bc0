// The reference pass that ends the first calculation of a water at 25 C: the
// electroneutrality decision, the derived analysis values (carbonate species,
// alkalinity, ionic strength, total carbonate), the carbonate state and the
// reference values that later passes of the same water start from.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "engine/carbonate/carbonate_state.h"
#include "engine/inputs/ion_sums.h"
#include "engine/saturation/results_records.h"
#include "engine/speciation/speciated_water.h"

// Cations beyond 1.05 x the anions (or no anions at all) call for an anion, and the
// other way round.
constexpr double kBalanceThreshold = 1.05;

// The ions the user chose to balance with: cation 0 sodium, 1 potassium (0xFFFF
// none, other values none); anion 0 sulfate, 1 chloride, 2 nitrate (other values
// none).
struct BalanceChoice {
    uint16_t cationBalanceIon;
    uint16_t anionBalanceIon;
};

struct BalanceDecision {
    uint16_t anionAdded;   // 1 when the anion side was short
    uint16_t cationAdded;  // 1 when the cation side was short and a cation may be added
    float amount;          // amount of the chosen ion, in its unit (the balanceAmount)
    bool amountSet;        // false when no ion was chosen for the side that was short
};

// Decides which side is short and by how much, and adds the missing amount of the
// chosen ion to its species record (amount in mg/L and molality) for the rest of the
// pass. reportingMode is the rounded analysis element 22 (3 epm, 4 eq/L); F the mass
// factor of the calculation.
BalanceDecision DecideBalance(const IonSums& sums, const BalanceChoice& choice,
                              const UnitCodes& units, int reportingMode, double F,
                              const SpeciesTable& table, SpeciesRecord* species);

// The reference alkalinity (eq/kg) that later passes may hold the water to.
double CalcReferenceAlkalinity(const SpeciatedWater& w);

// Fills the carbonate state from the speciated water, field by field, the charge
// value last from the stored single-precision fields; `outputs` takes the plain
// copies of the alkalinity and acidity and the double charge residual.
void FillCarbonateState(const SpeciatedWater& w, CarbonateState& state, ReferenceOutputs& outputs);

// Where the reference pass writes.
struct ReferencePassRecords {
    WaterAnalysis& analysis;
    float (&saturation)[64];
    CarbonateState& carbonate;
    ReferenceOutputs& outputs;
    ReferenceCarbonate& reference;
    double& referenceAlkalinity;
    double& referencePh;
};

// Writes the derived analysis values (elements 26, 28 to 33, and 39 when it is 0),
// the carbonate slots 8 and 27 to 30, the carbonate state, the partial pressures and
// the reference values. pco2Code and pressureBar give the unit of element 39.
void WriteReferenceValues(const SpeciatedWater& w, unsigned pco2Code, double pressureBar,
                          ReferencePassRecords& out);
