// Which indices the graphs of the three single-water profiles show: ten u16
// selections per profile. New clears them.
#pragma once

#include <cstdint>

namespace ProfileGraph {
enum : int { kPressure = 0, kPh = 1, kTemperature = 2, kCount = 3 };
}
constexpr int kProfileGraphSelections = 10;

extern uint16_t profileGraphIndices[ProfileGraph::kCount][kProfileGraphSelections];

// Start-of-run state: every selection zero.
void ResetProfileGraphRecords();
