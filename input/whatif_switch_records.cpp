// Definition of the what-if switches.
#include "input/whatif_switch_records.h"

uint32_t whatIfSwitches[kWhatIfSwitchCount];

void ResetWhatIfSwitchRecords() {
    for (uint32_t& s : whatIfSwitches) s = 0;
}
