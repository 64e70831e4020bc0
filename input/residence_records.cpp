// Definition of the per-water residence times.
#include "input/residence_records.h"

float waterResidenceSeconds[ResidenceWater::kCount];

void ResetResidenceRecords() {
    for (float& s : waterResidenceSeconds) s = 0.0f;
}
