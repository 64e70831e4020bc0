// The words the what-if commands set for the views they open: which 3D graph
// and which chosen code the grid drivers work on, the well-log summary graph's
// codes and the well-log graph's flag. The one-page summary's column table
// (onePageRowCodes) is the summary page's own record.
#pragma once

#include <cstdint>

namespace ThreeDGraphKind {
enum : uint16_t { kSingleWater = 0, kMixing = 1, kPressureTemperature = 2 };
}
extern uint16_t threeDGraphKind;
// The position in the chosen codes of the code whose grid runs now.
extern int32_t graphCodePosition;

constexpr int kWellLogSummaryGraphCount = 10;
extern int16_t wellLogSummaryGraphCodes[kWellLogSummaryGraphCount];

// Set once the 11-station profile behind the well-log graph was computed.
extern uint32_t wellLogGraphFlag;

void ResetWhatIfCommandRecords();
