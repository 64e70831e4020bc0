// Definition of the multi-mix input's snapshot.
#include "input/multimix/multimix_input_records.h"

MultiMixSnapshot multiMixSnapshot;
MultiMixPagesBefore multiMixPagesBefore;

void ResetMultiMixInputRecords() {
    multiMixSnapshot = MultiMixSnapshot{};
    multiMixPagesBefore = MultiMixPagesBefore{};
}
