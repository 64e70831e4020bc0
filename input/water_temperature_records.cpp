// Definitions of the per-water temperature pairs.
#include "input/water_temperature_records.h"

float waterTemperatures[kStoredWaterCount][2];
float currentWaterTemperatures[2];

void ResetWaterTemperatureRecords() {
    for (auto& pair : waterTemperatures) pair[0] = pair[1] = 0.0f;
    currentWaterTemperatures[0] = currentWaterTemperatures[1] = 0.0f;
}
