// The graphs' state that the scenario drivers read and write: the graphs chosen in
// the Choose Graphs dialog and the profile the 2D graphs show.
#pragma once

#include <cstdint>

#include "common/whatif_settings.h"

extern GraphChoice graphChoice;

// Which profile the profile graphs show.
namespace GraphProfileKind {
enum : uint32_t {
    kNone = 0,
    kTemperature = 1,
    kPhOrPco2 = 2,
    kMixingRatio = 3,
    kPressure = 4,
    kWellProfile12 = 6,
    kWellLog48 = 8,
};
}
extern uint32_t graphProfileKind;

// 0 until the 3D painter has chosen the drawing order of rows and columns for
// the current choice of graphs; the Choose Graphs dialog clears it.
extern uint16_t gridOrientationSet;
// Set when a log index was asked of values none of which is positive; the
// Choose Graphs command clears it.
extern uint16_t logRangeUndefined;

void ResetGraphsRecords();
