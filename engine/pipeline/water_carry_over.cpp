// Clearing the values one water's calculation hands to the next.
#include "engine/pipeline/water_carry_over.h"

#include "engine/carbonate/carbonate_records.h"
#include "engine/saturation/water_results_records.h"

void ClearWaterCarryOver(const WaterCarryOver& c) {
    c.dissolvedCO2Copy = 0.0f;
    c.currentHCO3 = c.currentCO3 = c.currentH2CO3 = c.currentCO2 = 0.0f;
    c.acidDemand = c.alkaliDemand = 0.0f;
    c.treatmentStage = TreatmentStageRecord{};
}

void ClearWaterCarryOver() {
    ClearWaterCarryOver(WaterCarryOver{dissolvedCO2Copy, currentHCO3, currentCO3, currentH2CO3,
                                       currentCO2, acidDemand, alkaliDemand, treatmentStage});
}
