// Definitions of the mixing-profile axis records.
#include "scenarios/mixing/mixing_profile_records.h"

float mixPercent[kMixProfileSlots];
float mixPointTable[kMixPointTableRows][kMixProfileSlots];
uint16_t mixPointCount;
uint16_t mixAlkalinityLabels;
uint16_t profileAlkalinityLabels[kAlkalinityFormSlots];

void ResetMixingProfileRecords() {
    for (float& p : mixPercent) p = 0.0f;
    for (auto& row : mixPointTable)
        for (float& v : row) v = 0.0f;
    mixPointCount = 0;
    mixAlkalinityLabels = 0;
    for (uint16_t& form : profileAlkalinityLabels) form = 0;
}
