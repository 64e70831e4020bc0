// Definition of the what-if commands' words.
#include "shell/whatif/whatif_command_records.h"

#include <cstring>

uint16_t threeDGraphKind;
int32_t graphCodePosition;
int16_t wellLogSummaryGraphCodes[kWellLogSummaryGraphCount];
uint32_t wellLogGraphFlag;

void ResetWhatIfCommandRecords() {
    threeDGraphKind = 0;
    graphCodePosition = 0;
    std::memset(wellLogSummaryGraphCodes, 0, sizeof wellLogSummaryGraphCodes);
    wellLogGraphFlag = 0;
}
