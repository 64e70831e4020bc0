// Definitions of the result pages' records that the engine reads.
#include "pages/records.h"

float residenceTimeAtSelect;

void ResetPagesRecords() {
    residenceTimeAtSelect = 0.0f;
}
