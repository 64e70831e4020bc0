// What the water form's buttons store: the identification of the form's water,
// its values as entered, and the results that go stale with it.
#pragma once

#include <cstdint>

// The description lines, dates, time and sample number into the stored water.
void StoreIdentification(int32_t water);
// The 64 values into the stored water and its entered copy, its temperature
// pair (and the engine's entry temperature), its entered flag, and the stale
// results cleared. `water` is 0, 1 or 2.
void StoreEnteredWater(int32_t water);
// The stale results of a stored water cleared (without storing anything).
void ClearResultsOf(int32_t water);
// The results of the water's last calculation cleared, so that the next one
// starts from the form's values alone.
void ClearWaterResults(int32_t water);
// A work file written before the values as entered were kept holds none: each
// entered water without them (the multi-mix waters too) counts as entered
// exactly as stored.
void TakeStoredAsEnteredWhereMissing();
