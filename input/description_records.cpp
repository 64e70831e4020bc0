// Definitions of the identification texts.
#include "input/description_records.h"

#include <cstring>

SampleDescription currentDescription;
SampleDescription waterDescriptions[kDescribedWaterCount];

void ResetDescriptionRecords() {
    std::memset(&currentDescription, 0, sizeof currentDescription);
    std::memset(waterDescriptions, 0, sizeof waterDescriptions);
}
