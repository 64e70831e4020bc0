// The stored records of the water the form works on, found by its selector
// (0 surface, 1 injection, 2 formation).
#pragma once

#include <cstdint>

#include "common/water_analysis.h"

[[nodiscard]] bool IsFormWater(int32_t water);
// The stored analysis and the entered flag of a form water; nullptr for any
// other selector.
[[nodiscard]] WaterAnalysis* FormWaterAnalysis(int32_t water);
[[nodiscard]] uint16_t* FormWaterEnteredFlag(int32_t water);
[[nodiscard]] bool IsFormWaterEntered(int32_t water);

// Whether the form shows the working record in full (a stored water, a pasted
// analysis or a redisplay) rather than a new water's defaults, and whether it
// takes that picture as the snapshot it compares against.
[[nodiscard]] bool ShowsStoredAnalysis(int32_t water);
