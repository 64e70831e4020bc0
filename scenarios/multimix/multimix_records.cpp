// Definitions of the multi-mix records.
#include "scenarios/multimix/multimix_records.h"

MultiMixState multiMixState;
MultiMixBlend multiMixBlend;
int32_t multiMixDate;

void ResetMultiMixRecords() {
    multiMixState = MultiMixState{};
    multiMixBlend = MultiMixBlend{};
    multiMixDate = 0;
}
