// Definition of the multi-mix input's snapshot.
#include "input/multimix/multimix_input_records.h"

MultiMixSnapshot multiMixSnapshot;

void ResetMultiMixInputRecords() {
    multiMixSnapshot = MultiMixSnapshot{};
}
