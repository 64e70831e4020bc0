// The CO2 and H2S partial pressures kept with each stored water (surface,
// injection, formation, mixed), in the user's gas units, beside the values the
// water's calculation writes back into its analysis. New clears them.
#pragma once

constexpr int kGasCopyWaters = 4;

extern float waterPco2Copies[kGasCopyWaters];
extern float waterPh2sCopies[kGasCopyWaters];

// Start-of-run state: every value zero.
void ResetWaterGasRecords();
