// Definition of the dose test conditions.
#include "engine/dose/dose_test_records.h"

DoseTestConditions doseTestConditions;

void ResetDoseTestRecords() {
    doseTestConditions = DoseTestConditions{};
}
