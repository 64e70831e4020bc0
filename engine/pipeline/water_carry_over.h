// What one water's calculation leaves behind for the next: the engine's copy of
// the dissolved CO2 (element 43), the current carbonate set that the target
// solvers and the carbonate species start from, the acid and alkali demand of
// the last pH adjustment, and the treatment loop's stage. A fresh water (the
// water form's Recalculate, the multi-mix input, RecalcMultiMix) starts with
// all of them cleared, so nothing of the water before it leaks into its results.
#pragma once

struct WaterCarryOver {
    float& dissolvedCO2Copy;
    float& currentHCO3;
    float& currentCO3;
    float& currentH2CO3;
    float& currentCO2;
    float& acidDemand;
    float& alkaliDemand;
    struct TreatmentStageRecord& treatmentStage;
};

// Sets every carry-over value to 0.
void ClearWaterCarryOver(const WaterCarryOver& c);
// The same on the engine's records.
void ClearWaterCarryOver();
