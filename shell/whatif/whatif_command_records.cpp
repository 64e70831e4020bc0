// Definition of the what-if commands' words.
#include "shell/whatif/whatif_command_records.h"

#include <cstring>

int16_t wellLogSummaryGraphCodes[kWellLogSummaryGraphCount];
uint32_t wellLogGraphFlag;

void ResetWhatIfCommandRecords() {
    std::memset(wellLogSummaryGraphCodes, 0, sizeof wellLogSummaryGraphCodes);
    wellLogGraphFlag = 0;
}
