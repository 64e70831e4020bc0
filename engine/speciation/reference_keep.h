// What the single-water pipeline keeps from a water's reference pass: the values
// the engine derived, written back to the stored water so that the input form and
// the next calculation see them, and the carbonate figures that the later passes
// of the water, the target solvers, the pages and the scenario drivers start from.
#pragma once

#include "common/water_analysis.h"
#include "engine/pipeline/stored_water.h"

// Writes back to the stored water (none for the mixed water): element 34, the pH
// when it changed, hydrogen sulfide (19), pH2S (27), pCO2 (39), bicarbonate and
// carbonate (29, 30), the dissolved CO2 (43, mg/L as H2CO3), and the pressure
// (38) when the engine raised it to the saturation pressure of water.
void WriteBackReferenceValues(const StoredWater& water, const WaterAnalysis& working);

// Keeps the reference pass's carbonate: the current carbonate set, the reference
// values later passes of the water read, the surface water's kept bicarbonate and
// alkalinity, the water's CarbonateSnapshot and its saved carbonate constants.
void KeepReferenceCarbonate(const StoredWater& water, const WaterAnalysis& working);

// After the results pass of the surface water at its own temperature and
// pressure: the dissolved CO2 of its CarbonateSnapshot, which the pH profile and
// the well profile hold beside its bicarbonate and carbonate, is the one its
// bicarbonate holds at its pH there (`ownCarbonicAcid`, mg/L as H2CO3), not the
// reference pass's at 25 C. The page keeps the reference pass's CO2.
void KeepOwnConditionsCarbonate(const StoredWater& water, float ownCarbonicAcid);

// A water away from the 25 C of its reference pass shows the dissolved CO2 of
// its own temperature and pH (`ownCarbonicAcid`, mg/L as H2CO3) in its stored
// element 43 and its CarbonateSnapshot, the CO2 its drivers hold at the same
// conditions.
void ShowOwnConditionsCarbonicAcid(const StoredWater& water, float ownCarbonicAcid);
