// Definitions of the multi-mix records.
#include "scenarios/multimix/multimix_records.h"

#include <cstring>

MultiMixState multiMixState;
float sourceValuesAsEntered[kMultiMixWaterCount][AnalysisElement::kCount];
MultiMixBlend multiMixBlend;
int32_t multiMixDate;

void ResetMultiMixRecords() {
    multiMixState = MultiMixState{};
    std::memset(sourceValuesAsEntered, 0, sizeof sourceValuesAsEntered);
    multiMixBlend = MultiMixBlend{};
    multiMixDate = 0;
}
