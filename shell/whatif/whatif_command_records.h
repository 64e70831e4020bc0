// The words the what-if commands set for the views they open: the well-log
// summary graph's codes and the well-log graph's flag (the 3D grid's source and
// the chosen code on show are the graphs' own records). The one-page summary's column table
// (onePageRowCodes) is the summary page's own record.
#pragma once

#include <cstdint>

constexpr int kWellLogSummaryGraphCount = 10;
extern int16_t wellLogSummaryGraphCodes[kWellLogSummaryGraphCount];

// Set once the 11-station profile behind the well-log graph was computed.
extern uint32_t wellLogGraphFlag;

void ResetWhatIfCommandRecords();
