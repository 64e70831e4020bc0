// What the what-if settings dialog keeps while it is open: the Make Default box
// and the values as they were when it opened.
#pragma once

#include <cstdint>

#include "input/whatif/whatif_values.h"

struct WhatIfDialogState {
    uint32_t makeDefault;
    WhatIfValues opening;
};

extern WhatIfDialogState whatIfDialogState;

void ResetWhatIfDialogRecords();
