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
// A work file of an older version holds rows as entered that no one held to
// their stored waters: a row that a file of the newest layout could not hold
// beside its water (a value no calculation changes that disagrees with it, or
// a stored pCO2, pH2S or density beyond the form's range that the row neither
// holds nor left to the calculation) is cleared, so that the stored water
// stands for it and the file saved next opens again.
void ClearRowsTheirWatersDisagreeWith();
