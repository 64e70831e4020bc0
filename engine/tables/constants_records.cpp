// Definitions of the water properties and derived constants of a calculation.
#include "engine/tables/constants_records.h"

WaterConstants waterConstants;
float kwResult;

void ResetConstantsRecords() {
    waterConstants = WaterConstants{};
    kwResult = 0.0f;
}
