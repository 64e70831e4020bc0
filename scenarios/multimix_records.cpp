// Definition of the multi-mix source-water record.
#include "scenarios/multimix_records.h"

MultiMixState multiMixState;

void ResetMultiMixRecords() { multiMixState = MultiMixState{}; }
