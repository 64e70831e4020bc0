// The point a treatment limits summary rates: which result table the kind
// names and the rows of that table's point.
//   1 temperature profile, 2 pH profile, 3 mixing-ratio profile, 4 pressure
//   profile, 6 after-flash (11-station) profile: point a;
//   5 the 12-station well-log profile: station a;
//   7 the 7 x 7 grid: cell 7a + b;
//   8 the 48-station after-flash profile: station a.
#pragma once

#include <cstdint>
#include <string>

#include "engine/records.h"

// The summary's kind: 0 takes the profile kind the graphs show, 5 and 7 stay,
// any other becomes 4 (the pressure profile).
[[nodiscard]] int MapSummaryKind(int kind, uint32_t graphProfileKind);

struct LimitsPoint {
    const float* analysis = nullptr;  // 64 values, user units
    const float* results = nullptr;   // 64 SaturationResults
    const float* excess = nullptr;    // 38 MomentaryExcess
    std::string description;          // "Temperature profile, point 3"
};

// False when the kind has no table or the point lies outside it.
[[nodiscard]] bool FindLimitsPoint(int kind, int a, int b, LimitsPoint& out);
