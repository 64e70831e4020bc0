// Definitions of the multi-mix records.
#include "scenarios/multimix/multimix_records.h"

MultiMixState multiMixState;
MultiMixBlend multiMixBlend;

void ResetMultiMixRecords() {
    multiMixState = MultiMixState{};
    multiMixBlend = MultiMixBlend{};
}
