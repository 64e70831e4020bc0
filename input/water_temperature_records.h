// The pair of temperatures the water input form keeps with each stored water
// (surface, injection, formation, mixed) and the current pair, in kelvin.
#pragma once

constexpr int kStoredWaterCount = 4;
constexpr float kStartTemperatureK = 298.16f;  // 25 degrees C

extern float waterTemperatures[kStoredWaterCount][2];
extern float currentWaterTemperatures[2];

void ResetWaterTemperatureRecords();
