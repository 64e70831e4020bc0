// Running sums of the one-page graph parameters (graphParams of
// DisplaySettings) over a well profile, one entry per list position, kept for
// the whole run: each accumulation overwrites the entries of the codes it
// accepts and leaves the others as earlier calls left them.
#pragma once

#include <cstdint>

constexpr int kSelectedParamEntries = 12;

struct SelectedParamAccumulators {
    uint32_t code[kSelectedParamEntries];           // the IndexCode of the list entry
    uint32_t codeCopy[kSelectedParamEntries];       // the same code, kept beside it
    uint32_t stationColumn[kSelectedParamEntries];  // its column in a station row
    float sumResult[kSelectedParamEntries];         // saturation value summed over the stations
    float sumStation[kSelectedParamEntries];        // station quantity summed over the stations
    float weightedSum[kSelectedParamEntries];       // sum of the two running sums' products
};
extern SelectedParamAccumulators selectedParams;

// Set once the 12-station well profile has been computed for the one-page
// summary; the accumulation sums only while it is set.
extern uint32_t onePageDataFlag;

void ResetSelectedParamsRecords();
