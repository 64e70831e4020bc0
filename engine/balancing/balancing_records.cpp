// Definitions of the balancing flags that the reference pass sets.
#include "engine/balancing/balancing_records.h"

uint16_t cationAdded;
uint16_t anionAdded;

void ResetBalancingRecords() {
    cationAdded = 0;
    anionAdded = 0;
}
