// Definition of the mixing zone dialog's opening copy.
#include "input/mixzone/cycle_records.h"

CycleValues cycleOpening;

void ResetCycleRecords() {
    cycleOpening = CycleValues{};
}
