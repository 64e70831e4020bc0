// RoundToCharge: reads the small integer codes (reporting mode, species-given flag,
// alkalinity mode) that travel in the water analysis as floats.
#pragma once

#include <cstdint>

// 0 for |x| below 0.5 (and for NaN); the nearest whole number of |x|, halves rounded
// up, with the sign of x, for |x| below 9.5; +-10 from 9.5 on.
[[nodiscard]] int32_t RoundToCharge(double x);
