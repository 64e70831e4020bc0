// Definition of the per-water partial pressure copies.
#include "engine/inputs/water_gas_records.h"

float waterPco2Copies[kGasCopyWaters];
float waterPh2sCopies[kGasCopyWaters];

void ResetWaterGasRecords() {
    for (float& p : waterPco2Copies) p = 0.0f;
    for (float& p : waterPh2sCopies) p = 0.0f;
}
